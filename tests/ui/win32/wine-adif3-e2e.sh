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

for tool in Xvfb xdotool wine import compare; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
program=$(realpath "$1/ui/win32/quillon.exe")
shots=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../support/wait-for.sh
source "$here/../../support/wait-for.sh"
# shellcheck source=../../support/wine-window.sh
source "$here/../../support/wine-window.sh"
# shellcheck source=../../support/sample-contact.sh
source "$here/../../support/sample-contact.sh"
# shellcheck source=../../support/window-pictures.sh
source "$here/../../support/window-pictures.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-wine-adif3-XXXXXX")
xServerPid=
cleanUp() {
    wineserver -k 2>/dev/null || true
    if [[ -n $xServerPid ]]; then kill "$xServerPid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanUp EXIT
fail() {
    echo "FAIL: $*" >&2
    if [[ -n $shots ]]; then import -window root "$shots/win32-adif3-failure.png" 2>/dev/null || true; fi
    exit 1
}

startWineDesktop 130
folder=$work/log
mkdir "$folder"
{
    contact 20 291 99-12-31
    contact 20 291 99-12-30
    contact 20 USA 99-12-29
    contact 20 291 99-12-28
} >"$folder/log.asc"

startQuillon() {
    wine "$program" "$(winepath -w "$folder")" >/dev/null 2>&1 &
    waitFor hasWindow 'Quillon by ZELK' || fail "the window did not open"
    window=$(windowNamed 'Quillon by ZELK')
    sleep 0.5
    focusOn "$window" || fail "the window did not get the keyboard"
}
kept() { wine reg query 'HKCU\Software\Quillon' /v output 2>/dev/null | grep -q 'REG_SZ *3\b'; }
# Presses Start with Enter, waits for the run, answers the box, and checks log.adi is ADIF 3 and the status label
# says so; $1 (first, restarted) names its pictures.
convertAsAdif3() {
    focusOn "$window" || fail "the window did not get the keyboard"
    xdotool key Return
    waitFor grep -qs "Normal end of run" "$folder/bad.adi" || fail "Enter started no run that ended"
    closeResult "win32-adif3-result-$1.png"
    grep -q "^<ADIF_VER:5>3\.1\.6" "$folder/log.adi" || fail "log.adi of the $1 run is not ADIF 3"
    grep -q "^<CREATED_TIMESTAMP:15>" "$folder/log.adi" || fail "log.adi of the $1 run has no creation time"
    [[ $(grep -c "<EOR>" "$folder/log.adi") == 3 && $(grep -c "<EOR>" "$folder/bad.adi") == 1 ]] ||
        fail "the $1 run did not send three contacts to log.adi and one to bad.adi"
    sleep 0.3
    # The status label at (104, 304) of the client area, 113 x 17 pixels, and a margin around it.
    import -window "$window" -crop "280x24+15+341" +repage "$work/status-$1.png"
    if [[ -n $shots ]]; then
        cp "$work/status-$1.png" "$shots/win32-adif3-status-$1.png"
        import -window "$window" "$shots/win32-adif3-window-$1.png"
    fi
    sameAsReference "$work/status-$1.png" "$here/reference-status-adif3.png"
}

# A first start: the classic output is chosen, and no date layout.
startQuillon
openMenu "$window" alt+o
xdotool key a
waitFor kept || fail "A in the Options menu did not choose ADIF 3"
clickAt "$window" 66 89 # YY-MM-DD
convertAsAdif3 first
focusOn "$window" || fail "the window did not get the keyboard"
xdotool key alt+F4
waitFor noWindow 'Quillon by ZELK' || fail "Alt+F4 did not close the window"

# The next start shows the choice kept, and converts with it.
rm "$folder/log.adi" "$folder/bad.adi"
startQuillon
openMenu "$window" alt+o
if [[ -n $shots ]]; then pictureAround "$window" "$shots/win32-adif3-menu.png"; fi
# Its two output items, the check on ADIF 3.
pictureAround "$window" "$work/menu-output.png" 175x42+35+41
sameAsReference "$work/menu-output.png" "$here/reference-menu-adif3.png"
xdotool key Escape
waitFor eval '! menuOpen' || fail "Esc did not close the Options menu"
xdotool key Escape # leaves the menu bar
convertAsAdif3 restarted
focusOn "$window" || fail "the window did not get the keyboard"
xdotool key alt+F4
waitFor noWindow 'Quillon by ZELK' || fail "Alt+F4 did not close the window"
echo "PASS: the Win32 window kept ADIF 3 from one start to the next, and its status said so after each run"
