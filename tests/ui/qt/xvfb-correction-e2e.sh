#!/usr/bin/env bash
# The Qt correction window on a virtual X server, driven from the keyboard as a user would (the steps and checks are
# tests/support/bad-contact-correction.sh's): two bad contacts of three corrected in place, the log changed in
# exactly those lines and kept as it was beside it. With a second argument, screenshots of the window go there.
# usage: xvfb-correction-e2e.sh BUILD_DIR [SCREENSHOT_DIR]
set -euo pipefail

tools=(Xvfb xdotool)
# shellcheck source=../../support/window-drive.sh
source "$(dirname "$0")/../../support/window-drive.sh"
program=$(realpath "$1/ui/qt/quillon")
shots=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-correction-e2e-XXXXXX")
# shellcheck source=../../support/qt-window.sh
source "$support/qt-window.sh"
# shellcheck source=../../support/bad-contact-correction.sh
source "$support/bad-contact-correction.sh"
trap cleanUpQt EXIT
name=qt
fail() { failWith "$@"; }

startXServer
export HOME=$work/home LANG=C.UTF-8 QT_QPA_PLATFORM=xcb
mkdir -p "$HOME"

chooseYyMmDd() { clickAt 62 48; }
clickStart() { clickAt 152 284; }
closeQuillon() {
    keysToWindow ctrl+q
    wait "$programPid" || fail "quillon ended with status $?"
    programPid=
}
driveBadContactCorrection
echo "PASS: the Qt correction window mended lines 2 and 3 of the log"
