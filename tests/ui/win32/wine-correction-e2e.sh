#!/usr/bin/env bash
# The Win32 correction window under Wine on a virtual X server, driven from the keyboard as a user would (the steps
# and checks are tests/support/bad-contact-correction.sh's): two bad contacts of three corrected in place, the log
# changed in exactly those lines and kept as it was beside it. With a second argument, screenshots of the window go
# there.
# usage: wine-correction-e2e.sh WINDOWS_BUILD_DIR [SCREENSHOT_DIR]
set -euo pipefail

tools=(Xvfb xdotool wine import)
# shellcheck source=../../support/window-drive.sh
source "$(dirname "$0")/../../support/window-drive.sh"
program=$(realpath "$1/ui/win32/quillon.exe")
shots=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-wine-correction-XXXXXX")
# shellcheck source=../../support/wine-window.sh
source "$support/wine-window.sh"
# shellcheck source=../../support/bad-contact-correction.sh
source "$support/bad-contact-correction.sh"
trap cleanUpWine EXIT
name=win32
fail() { failWith "$@"; }

startWineDesktop 110

chooseYyMmDd() { clickAt "$window" 66 89; }
clickStart() { clickAt "$window" 155 325; }
closeQuillon() {
    keysToWindow ctrl+q
    waitFor noWindow 'Quillon by ZELK' || fail "Ctrl+Q did not close the window"
}
driveBadContactCorrection
echo "PASS: the Win32 correction window mended lines 2 and 3 of the log"
