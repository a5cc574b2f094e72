# Shared by the end-to-end tests of the window: a virtual X server of their own, a work folder, finding and
# clicking the quillon window, and comparing its output files with quillon-convert's. Source it; it sets -euo
# pipefail, makes $work and cleans up at exit.
set -euo pipefail

# Says how to call the script and stops.
usage() {
    echo "usage: $0 $1" >&2
    exit 2
}

# Skips the test (status 77) when a tool is missing.
needTools() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is not installed (apt-get install xvfb xdotool)"
            exit 77
        fi
    done
}

work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-e2e-XXXXXX")
serverPid=
programPids=()
cleanUp() {
    local pid
    for pid in "${programPids[@]}"; do kill "$pid" 2>/dev/null || true; done
    if [[ -n $serverPid ]]; then kill "$serverPid" 2>/dev/null || true; fi
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanUp EXIT

# Starts Xvfb on a display number it finds free itself (so tests started side by side cannot pick the same one),
# waits until it takes clients and exports DISPLAY.
startServer() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    serverPid=$!
    # Waits are generous: on a loaded machine a server or a window can take seconds to come up.
    local i
    for ((i = 0; i < 300; i++)); do
        if [[ -s $work/display ]]; then break; fi
        sleep 0.1
    done
    if [[ ! -s $work/display ]]; then
        echo "Xvfb did not start" >&2
        cat "$work/xvfb.log" >&2
        exit 1
    fi
    export DISPLAY=:$(head -n 1 "$work/display")
}

# Prints the id of the first window whose title matches $1, waiting for it up to 30 s; empty when none came.
findWindow() {
    local i found=
    for ((i = 0; i < 300; i++)); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        if [[ -n $found ]]; then break; fi
        sleep 0.1
    done
    echo "$found"
}

# Waits for the quillon window of the program started last (logging to $work/quillon.log); sets $window and $menu,
# the height of the menu bar above the 306 x 337 client area.
waitForMainWindow() {
    window=$(findWindow "Quillon by ZELK")
    if [[ -z $window ]]; then
        echo "the quillon window did not appear" >&2
        if ! kill -0 "${programPids[-1]}" 2>/dev/null; then echo "(quillon is no longer running)" >&2; fi
        cat "$work/quillon.log" "$work/xvfb.log" >&2
        exit 1
    fi
    sleep 0.5
    local height
    height=$(xdotool getwindowgeometry "$window" | awk '/Geometry:/ { split($2, size, "x"); print size[2] }')
    menu=$((height - 337))
}

# Clicks at a point of the client area, as a user's mouse would.
clickAt() {
    xdotool mousemove --window "$window" "$1" "$(($2 + menu))" click 1
    sleep 0.3
}

# Waits until bad.adi in folder $1 has its end-of-run line.
waitForTrailer() {
    local i
    for ((i = 0; i < 300; i++)); do
        if grep -q "Normal end of run" "$1/bad.adi" 2>/dev/null; then break; fi
        sleep 0.1
    done
}

# Chooses YY-MM-DD and presses Start, then waits for the run in folder $1 to end.
convertIn() {
    clickAt 62 48   # the indicator of YY-MM-DD: Frame1 (8, 0) + Frame2 (32, 16) + option (16, 24) + (6, 8)
    clickAt 152 284 # the middle of Start: Frame1 (8, 0) + (104, 272) + (40, 12)
    waitForTrailer "$1"
}

# Compares log.adi and bad.adi in folder $1 with those in folder $2, but for the time they were written.
sameOutputs() {
    local file status=0
    stamp() { sed 's/^File converted on .*$/File converted on <timestamp>\r/' "$1"; }
    for file in log.adi bad.adi; do
        if [[ ! -f $1/$file ]]; then
            echo "FAIL: the window wrote no $1/$file" >&2
            status=1
        elif ! cmp -s <(stamp "$1/$file") <(stamp "$2/$file"); then
            echo "FAIL: $1/$file differs from quillon-convert's" >&2
            diff <(stamp "$1/$file") <(stamp "$2/$file") >&2 || true
            status=1
        fi
    done
    return $status
}
