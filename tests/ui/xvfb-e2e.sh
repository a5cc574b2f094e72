#!/usr/bin/env bash
# Runs the real quillon window under its own virtual X server: clicks YY-MM-DD and Start where a user would,
# waits for the run and compares log.adi and bad.adi with what quillon-convert makes of the same log.
# usage: xvfb-e2e.sh QUILLON QUILLON_CONVERT LOG_ASC
set -euo pipefail

if (($# != 3)); then
    echo "usage: $0 QUILLON QUILLON_CONVERT LOG_ASC" >&2
    exit 2
fi
program=$1
converter=$2
log=$3

for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (apt-get install xvfb xdotool)"
        exit 77
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-e2e-XXXXXX")
serverPid=
programPid=
cleanUp() {
    if [[ -n $programPid ]]; then kill "$programPid" 2>/dev/null || true; fi
    if [[ -n $serverPid ]]; then kill "$serverPid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanUp EXIT

# A display number nobody holds: neither a lock file nor a socket.
display=
for ((n = 90; n < 190; n++)); do
    if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then
        display=:$n
        break
    fi
done
if [[ -z $display ]]; then
    echo "no free X display between :90 and :189" >&2
    exit 1
fi

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
serverPid=$!
export DISPLAY=$display
# Waits are generous: on a loaded machine a server or a window can take seconds to come up.
for ((i = 0; i < 300; i++)); do
    if xdotool getmouselocation >/dev/null 2>&1; then break; fi
    sleep 0.1
done

mkdir "$work/app" "$work/cli"
cp "$program" "$work/app/quillon"
cp "$log" "$work/app/log.asc"
cp "$log" "$work/cli/log.asc"
"$converter" --date YY-MM-DD --band meters --dir "$work/cli" >/dev/null

(cd "$work/app" && exec ./quillon >"$work/quillon.log" 2>&1) &
programPid=$!

window=
for ((i = 0; i < 300; i++)); do
    window=$(xdotool search --name "Quillon by ZELK" 2>/dev/null | head -n 1 || true)
    if [[ -n $window ]]; then break; fi
    sleep 0.1
done
if [[ -z $window ]]; then
    echo "the quillon window did not appear" >&2
    if ! kill -0 "$programPid" 2>/dev/null; then echo "(quillon is no longer running)" >&2; fi
    cat "$work/quillon.log" "$work/xvfb.log" >&2
    exit 1
fi
sleep 0.5

# The client area is 306 x 337 pixels under the menu bar; whatever the window has above that is the menu bar.
height=$(xdotool getwindowgeometry "$window" | awk '/Geometry:/ { split($2, size, "x"); print size[2] }')
menu=$((height - 337))
clickAt() {
    xdotool mousemove --window "$window" "$1" "$(($2 + menu))" click 1
    sleep 0.3
}
clickAt 62 48   # the indicator of YY-MM-DD: Frame1 (8, 0) + Frame2 (32, 16) + option (16, 24) + (6, 8)
clickAt 152 284 # the middle of Start: Frame1 (8, 0) + (104, 272) + (40, 12)

for ((i = 0; i < 300; i++)); do
    if grep -q "Normal end of run" "$work/app/bad.adi" 2>/dev/null; then break; fi
    sleep 0.1
done

stamp() { sed 's/^File converted on .*$/File converted on <timestamp>\r/' "$1"; }
status=0
for file in log.adi bad.adi; do
    if [[ ! -f $work/app/$file ]]; then
        echo "FAIL: the window wrote no $file" >&2
        status=1
    elif ! cmp -s <(stamp "$work/app/$file") <(stamp "$work/cli/$file"); then
        echo "FAIL: $file differs from quillon-convert's" >&2
        diff <(stamp "$work/app/$file") <(stamp "$work/cli/$file") >&2 || true
        status=1
    fi
done
if ((status == 0)); then
    echo "PASS: log.adi and bad.adi written through the window match quillon-convert's"
fi
exit $status
