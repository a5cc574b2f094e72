#!/usr/bin/env bash
# The ADIF 3 choice of the Win32 window kept from one start to the next, under Wine on a virtual X server, as a
# user makes it: on a first start (nothing in the registry yet) Alt+O, A chooses "ADIF 3 for today's logbooks", a
# click chooses YY-MM-DD and Enter presses Start; log.adi must be ADIF 3 and the status label say so. Alt+F4 closes
# the window; started again, its Options menu (Alt+O) must show the choice, and Enter, with nothing else touched,
# must write an ADIF 3 log.adi again, with the status saying so as before. The status label and the menu's output
# items are compared with their references beside this script. With a second argument, screenshots go there: the
# window after each run, and the Options menu after the restart as win32-adif3-menu.png.
# usage: wine-adif3-e2e.sh WINDOWS_BUILD_DIR [SCREENSHOT_DIR]
set -euo pipefail

tools=(Xvfb xdotool wine import compare)
# shellcheck source=../../support/window-drive.sh
source "$(dirname "$0")/../../support/window-drive.sh"
program=$(realpath "$1/ui/win32/quillon.exe")
shots=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-wine-adif3-XXXXXX")
# shellcheck source=../../support/wine-window.sh
source "$support/wine-window.sh"
# shellcheck source=../../support/adif3-choice.sh
source "$support/adif3-choice.sh"
trap cleanUpWine EXIT
name=win32
fail() { failWith "$@"; }

startWineDesktop 130

# In the window's own pixels, frame, caption and menu bar included: the status label at (104, 304) of the client
# area, 113 x 17 pixels, and a margin around it; the menu's first two items.
statusBox() { echo 280x24+15+341; }
menuBox=175x42+35+41
chooseYyMmDd() { clickAt "$window" 66 89; }
closeQuillon() {
    keysToWindow alt+F4
    waitFor noWindow 'Quillon by ZELK' || fail "Alt+F4 did not close the window"
}
driveAdif3Choice
echo "PASS: the Win32 window kept ADIF 3 from one start to the next, and its status said so after each run"
