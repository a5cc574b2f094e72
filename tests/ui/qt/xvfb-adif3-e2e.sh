#!/usr/bin/env bash
# The ADIF 3 choice of the Qt window kept from one start to the next, on a virtual X server, as a user makes it: on
# a first start (no settings yet) Alt+O, A chooses "ADIF 3 for today's logbooks", a click chooses YY-MM-DD and
# Enter presses Start; log.adi must be ADIF 3 and the status label say so. File > Exit (Alt+F, X) closes the window;
# started again, its Options menu (Alt+O) must show the choice, and Enter, with nothing else touched, must write an
# ADIF 3 log.adi again, with the status saying so as before. The status label and the menu's output items are
# compared with their references beside this script. With a second argument, screenshots go there: the window
# after each run, and the Options menu after the restart as qt-adif3-menu.png.
# usage: xvfb-adif3-e2e.sh BUILD_DIR [SCREENSHOT_DIR]
set -euo pipefail

for tool in Xvfb xdotool import compare; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/install-deps)"; exit 77; }
done
program=$(realpath "$1/ui/qt/quillon")
shots=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../support/wait-for.sh
source "$here/../../support/wait-for.sh"
# shellcheck source=../../support/qt-window.sh
source "$here/../../support/qt-window.sh"
# shellcheck source=../../support/sample-contact.sh
source "$here/../../support/sample-contact.sh"
# shellcheck source=../../support/window-pictures.sh
source "$here/../../support/window-pictures.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-adif3-e2e-XXXXXX")
xServerPid=
programPid=
cleanUp() {
    if [[ -n $programPid ]]; then kill "$programPid" 2>/dev/null || true; fi
    if [[ -n $xServerPid ]]; then kill "$xServerPid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanUp EXIT
fail() {
    echo "FAIL: $*" >&2
    cat "$work/quillon.log" >&2 2>/dev/null || true
    if [[ -n $shots ]]; then import -window root "$shots/qt-adif3-failure.png" 2>/dev/null || true; fi
    exit 1
}

startXServer
export HOME=$work/home LANG=C.UTF-8 QT_QPA_PLATFORM=xcb
mkdir -p "$HOME"
folder=$work/log
mkdir "$folder"
{
    contact 20 291 99-12-31
    contact 20 291 99-12-30
    contact 20 USA 99-12-29
    contact 20 291 99-12-28
} >"$folder/log.asc"

startQuillon() {
    "$program" "$folder" >"$work/quillon.log" 2>&1 &
    programPid=$!
    findWindow
}
# Presses Start with Enter, waits for the run, answers the box, and checks log.adi is ADIF 3 and the status label
# says so; $1 (first, restarted) names its pictures.
convertAsAdif3() {
    xdotool windowfocus --sync "$window" key Return
    waitFor grep -qs "Normal end of run" "$folder/bad.adi" || fail "Enter started no run that ended"
    closeResult "qt-adif3-result-$1.png"
    grep -q "^<ADIF_VER:5>3\.1\.6" "$folder/log.adi" || fail "log.adi of the $1 run is not ADIF 3"
    grep -q "^<CREATED_TIMESTAMP:15>" "$folder/log.adi" || fail "log.adi of the $1 run has no creation time"
    [[ $(grep -c "<EOR>" "$folder/log.adi") == 3 && $(grep -c "<EOR>" "$folder/bad.adi") == 1 ]] ||
        fail "the $1 run did not send three contacts to log.adi and one to bad.adi"
    sleep 0.3
    # The status label, within Frame1 (8, 0): (96, 304) and 113 x 17 pixels, and a margin around it.
    import -window "$window" -crop "280x24+12+$((menu + 300))" +repage "$work/status-$1.png"
    if [[ -n $shots ]]; then
        cp "$work/status-$1.png" "$shots/qt-adif3-status-$1.png"
        import -window "$window" "$shots/qt-adif3-window-$1.png"
    fi
    sameAsReference "$work/status-$1.png" "$here/reference-status-adif3.png"
}
# File > Exit from the keyboard; the program must end, and end well.
exitQuillon() {
    openMenu alt+f
    xdotool key x
    wait "$programPid" || fail "quillon ended with status $?"
    programPid=
}

# A first start: the classic output is chosen, and no date layout.
startQuillon
openMenu alt+o
xdotool key a
waitFor grep -qsx "output=3" "$HOME/.config/Quillon/Quillon.conf" || fail "A in the Options menu did not choose ADIF 3"
clickAt 62 48 # the indicator of YY-MM-DD: Frame1 (8, 0) + Frame2 (32, 16) + option (16, 24) + (6, 8)
convertAsAdif3 first
exitQuillon

# The next start shows the choice kept, and converts with it.
rm "$folder/log.adi" "$folder/bad.adi"
startQuillon
openMenu alt+o
if [[ -n $shots ]]; then pictureAround "$window" "$shots/qt-adif3-menu.png"; fi
# Its two output items, the check on ADIF 3.
pictureAround "$window" "$work/menu-output.png" 216x46+41+18
sameAsReference "$work/menu-output.png" "$here/reference-menu-adif3.png"
xdotool key Escape
waitFor eval '! menuOpen' || fail "Esc did not close the Options menu"
xdotool key Escape # leaves the menu bar
convertAsAdif3 restarted
exitQuillon
echo "PASS: the Qt window kept ADIF 3 from one start to the next, and its status said so after each run"
