#!/usr/bin/env bash
# Times a run through the converter window against quillon-convert on the same generated log, and reports how
# long the window's events waited during the run (a 10 ms timer ticks throughout).
set -euo pipefail

usage() {
    cat <<'EOF_USAGE'
usage: bench/run-window-bench.sh [--keep] [N]

  N        contacts in the log (default 1000000)
  --keep   leave the generated log and the outputs in bench/out/window/

Environment: QUILLON_BENCH_RUNS (timed runs per program, best taken; default 3),
             QUILLON_BENCH_VARIANT (which generated log; default 1),
             QT_QPA_PLATFORM (default offscreen; set xcb with a DISPLAY to time a visible window).
Goal: the window run within 1.5x quillon-convert, and no event waiting more than 50 ms.
EOF_USAGE
}

source "$(dirname "${BASH_SOURCE[0]}")/bench-common.sh"
parseArguments "$@"
windowBench=$root/build/release/bench/quillon-window-bench
work=$root/bench/out/window
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

buildRelease
withoutTimestamp() { sed 's/^File converted on .*$/File converted on <timestamp>/' "$1"; }

cleanUp() {
    if ((keep == 0)); then rm -rf "$work"; fi
}
trap cleanUp EXIT

mkdir -p "$work/cli" "$work/window"
echo "== generating $contacts contacts"
"$generator" "$contacts" "$variant" >"$work/cli/log.asc"
cp "$work/cli/log.asc" "$work/window/log.asc"

cliBest=""
for ((i = 0; i < runs; i++)); do
    start=$(now)
    "$converter" --date YY-MM-DD --band meters --dir "$work/cli" >/dev/null 2>&1
    cliBest=$(smaller "$cliBest" "$(elapsed "$start" "$(now)")")
done

windowBest=""
worstGap=""
for ((i = 0; i < runs; i++)); do
    "$windowBench" "$work/window" >"$work/window.txt" 2>"$work/window-errors.txt"
    windowBest=$(smaller "$windowBest" "$(awk '/^window run:/ { print $3 }' "$work/window.txt")")
    worstGap=$(larger "$worstGap" "$(awk '/^worst tick gap:/ { print $4 }' "$work/window.txt")")
done
echo "== last window run"
cat "$work/window.txt"

same=yes
for file in log.adi bad.adi; do
    if ! cmp -s <(withoutTimestamp "$work/cli/$file") <(withoutTimestamp "$work/window/$file"); then same=no; fi
done

awk -v n="$contacts" -v cli="$cliBest" -v win="$windowBest" -v gap="$worstGap" -v runs="$runs" -v same="$same" \
    -v platform="$QT_QPA_PLATFORM" 'BEGIN {
    ratio = (cli > 0) ? win / cli : 0
    wait = gap - 10; if (wait < 0) wait = 0
    printf "\ncontacts:            %d\n", n
    printf "quillon-convert:     %.3f s (whole process, best of %d)\n", cli, runs
    printf "window run:          %.3f s (Start press to its return, best of %d, platform %s)\n", win, runs, platform
    printf "window/convert:      %.2fx\n", ratio
    printf "worst tick gap:      %.1f ms (10 ms timer; longest wait of an event %.1f ms, worst of %d)\n", gap, wait, runs
    printf "same output files:   %s (apart from the timestamp line)\n", same
    printf "goal: window within 1.5x; no event waiting over 50 ms -> %s, %s\n",
        (ratio <= 1.5 ? "met" : "missed"), (wait <= 50 ? "met" : "missed")
}'
