#!/usr/bin/env bash
# Times quillon-convert on generated logs and compares it with the cost of reading and writing the same bytes.
set -euo pipefail

usage() {
    cat <<'EOF'
usage: bench/run-bench.sh [--quick] [--keep] [N]

  N        contacts in the main run (default 1000000); a second run uses 10 x N
  --quick  skip the 10 x N run (same as QUILLON_BENCH_QUICK=1)
  --keep   leave the generated log and the outputs in bench/out/

Environment: QUILLON_BENCH_RUNS (timed runs per figure, best taken; default 3),
             QUILLON_BENCH_VARIANT (which generated log; default 1).
EOF
}

source "$(dirname "${BASH_SOURCE[0]}")/bench-common.sh"
parseArguments "$@"
work=$root/bench/out
buildRelease

if [[ ! -x /usr/bin/time ]]; then
    echo "== installing GNU time"
    sudo=
    if [[ $(id -u) -ne 0 ]]; then sudo=sudo; fi
    $sudo apt-get install -y time >/dev/null || { $sudo apt-get update >/dev/null && $sudo apt-get install -y time >/dev/null; }
fi

megabytes() { awk -v n="$1" 'BEGIN { printf "%.1f", n / 1e6 }'; }
fileSize() { if [[ -f $1 ]]; then stat -c %s "$1"; else echo 0; fi; }

cleanUp() {
    if ((keep == 0)); then rm -f "$work/log.asc" "$work/log.adi" "$work/bad.adi" "$work/.quillon-outputs" "$work/floor.out"; fi
    rm -f "$work/time.txt" "$work/summary.txt" "$work/stderr.txt"
}
trap cleanUp EXIT

# Runs the converter once in the work folder, with any further options given; sets wall (seconds) and rssKb (peak
# resident set, kB).
convertOnce() {
    local start end
    sync # the writeback of earlier runs' output would otherwise compete with this one
    start=$(now)
    if ! /usr/bin/time -v -o "$work/time.txt" "$converter" --date YY-MM-DD --band meters --dir "$work" "$@" \
        >"$work/summary.txt" 2>"$work/stderr.txt"; then
        echo "quillon-convert failed:" >&2
        cat "$work/stderr.txt" "$work/time.txt" >&2
        exit 1
    fi
    end=$(now)
    wall=$(elapsed "$start" "$end")
    rssKb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
}

# Reads the input and writes as many bytes as both outputs hold, the least any converter has to do; with "sync",
# it also waits until they are on the disk, as the converter does before it puts its outputs in place.
floorOnce() {
    local bytes=$1 mode=${2:-} start end
    sync
    start=$(now)
    cat "$work/log.asc" >/dev/null
    head -c "$bytes" /dev/zero >"$work/floor.out"
    if [[ $mode == sync ]]; then sync "$work/floor.out"; fi
    end=$(now)
    wall=$(elapsed "$start" "$end")
    rm -f "$work/floor.out"
}

bench() {
    local count=$1 best="" replacing="" adif3="" peakKb="" floorBest="" syncedBest="" start inBytes logBytes badBytes outBytes i
    echo
    echo "== $count contacts"
    mkdir -p "$work"
    rm -f "$work/log.adi" "$work/bad.adi"

    start=$(now)
    "$generator" "$count" "$variant" >"$work/log.asc"
    printf 'generated log.asc in %.2f s\n' "$(elapsed "$start" "$(now)")"
    inBytes=$(fileSize "$work/log.asc")

    # Like the floor, which writes a file that does not exist yet, the main figure converts with no old outputs to
    # delete; a second figure shows a run that replaces the outputs of the one before. Beside the main figure, the
    # same log written as ADIF 3 (bands and modes from ADIF's lists, text folded, header fields), with a call sign so
    # every record carries it, is timed the same way, with no old outputs either; its runs take turns with the
    # classic ones, so a change in the machine's load falls on both alike. The classic files are measured, the
    # ADIF 3 ones only timed.
    for ((i = 0; i < runs; i++)); do
        rm -f "$work/log.adi" "$work/bad.adi"
        convertOnce
        best=$(smaller "$best" "$wall")
        peakKb=$(larger "$peakKb" "$rssKb")
        rm -f "$work/log.adi" "$work/bad.adi"
        convertOnce --adif 3 --code-page latin1 --call N0QLN
        adif3=$(smaller "$adif3" "$wall")
    done
    convertOnce # the classic outputs, for the runs below to replace
    for ((i = 0; i < runs; i++)); do
        convertOnce
        replacing=$(smaller "$replacing" "$wall")
    done
    echo "converter says: $(head -n 1 "$work/summary.txt")"
    logBytes=$(fileSize "$work/log.adi")
    badBytes=$(fileSize "$work/bad.adi")
    outBytes=$((logBytes + badBytes))

    for ((i = 0; i < runs; i++)); do
        floorOnce "$outBytes"
        floorBest=$(smaller "$floorBest" "$wall")
        floorOnce "$outBytes" sync
        syncedBest=$(smaller "$syncedBest" "$wall")
    done

    awk -v classic="$best" -v adif3="$adif3" -v runs="$runs" 'BEGIN {
        printf "ADIF 3 wall:      %.3f s (best of %d, --adif 3 --code-page latin1 --call N0QLN), %.2fx classic\n", adif3, runs, (classic > 0 ? adif3 / classic : 0)
        printf "goal: ADIF 3 within 1.5x classic -> %s\n", (adif3 <= 1.5 * classic ? "met" : "MISSED")
    }'
    awk -v n="$count" -v inB="$inBytes" -v logB="$logBytes" -v badB="$badBytes" -v t="$best" -v kb="$peakKb" \
        -v floor="$floorBest" -v synced="$syncedBest" -v runs="$runs" -v replacing="$replacing" 'BEGIN {
        mb = 1e6
        ratio = (synced > 0) ? t / synced : 0
        peak = kb * 1024 / mb
        printf "contacts:         %d\n", n
        printf "input:            %.1f MB\n", inB / mb
        printf "output:           %.1f MB (log.adi %.1f MB + bad.adi %.1f MB)\n", (logB + badB) / mb, logB / mb, badB / mb
        printf "converter wall:   %.3f s (best of %d)\n", t, runs
        printf "replacing old:    %.3f s (best of %d, the old log.adi and bad.adi checked against their record and replaced at the end)\n", replacing, runs
        printf "contacts/s:       %.0f\n", (t > 0 ? n / t : 0)
        printf "input MB/s:       %.1f\n", (t > 0 ? inB / mb / t : 0)
        printf "peak memory:      %.1f MB (maximum resident set size, %d kB)\n", peak, kb
        printf "floor wall:       %.3f s (best of %d: cat log.asc > /dev/null, then write %.1f MB)\n", floor, runs, (logB + badB) / mb
        printf "synced floor:     %.3f s (best of %d: the same, then sync the written file to disk)\n", synced, runs
        printf "converter/floor:  %.2fx unsynced, %.2fx synced (the converter syncs its outputs)\n", (floor > 0 ? t / floor : 0), ratio
        printf "goal: within 2x the synced floor; peak memory under 16 MB -> %s, %s\n",
            (ratio <= 2 ? "met" : "missed"), (peak < 16 ? "met" : "missed")
    }'
    cleanUp
}

echo "1 MB = 1,000,000 bytes; converter run as: quillon-convert --date YY-MM-DD --band meters --dir bench/out"
bench "$contacts"
if ((quick == 0)); then
    bench $((contacts * 10))
else
    echo
    echo "(10 x N run skipped)"
fi
