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

tools=(Xvfb xdotool import compare)
# shellcheck source=../../support/window-drive.sh
source "$(dirname "$0")/../../support/window-drive.sh"
program=$(realpath "$1/ui/qt/quillon")
shots=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-adif3-e2e-XXXXXX")
# shellcheck source=../../support/qt-window.sh
source "$support/qt-window.sh"
# shellcheck source=../../support/adif3-choice.sh
source "$support/adif3-choice.sh"
trap cleanUpQt EXIT
name=qt
fail() { failWith "$@"; }

startXServer
export HOME=$work/home LANG=C.UTF-8 QT_QPA_PLATFORM=xcb
mkdir -p "$HOME"

menuBox=216x46+41+18 # the Options menu's first two items
# The status label at (104, 304) of the client area, under the menu bar, 113 x 17 pixels, and a margin around it.
statusBox() { echo "280x24+12+$((menu + 300))"; }
chooseYyMmDd() { clickAt 62 48; } # Frame1 (8, 0) + Frame2 (32, 16) + option (16, 24) + (6, 8)
# File > Exit from the keyboard; the program must end, and end well.
closeQuillon() {
    openMenu alt+f
    xdotool key x
    wait "$programPid" || fail "quillon ended with status $?"
    programPid=
}
driveAdif3Choice
echo "PASS: the Qt window kept ADIF 3 from one start to the next, and its status said so after each run"
