#!/usr/bin/env bash
# The Win32 correction window under Wine on a virtual X server, driven from the keyboard as a user would: a log with
# three bad contacts is converted, Ctrl+E opens the correction window on the first with its date selected, a good
# date is typed over it, Page Down goes to the next contact, whose band is typed over, and Ctrl+S saves. Both
# contacts must then be in log.adi and the third still in bad.adi, the log changed in exactly those two lines, and
# log.asc.original equal to the log as it was. With a second argument, screenshots of the window go there.
# usage: wine-correction-e2e.sh WINDOWS_BUILD_DIR [SCREENSHOT_DIR]
set -euo pipefail

for tool in Xvfb xdotool wine import; do
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

work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-wine-correction-XXXXXX")
trap cleanUpWine EXIT
fail() {
    echo "FAIL: $*" >&2
    [[ -n $shots ]] && import -window root "$shots/win32-failure.png" 2>/dev/null || true
    exit 1
}

startWineDesktop 110
folder=$work/log
mkdir "$folder"
{
    contact 20 291 99-12-31
    contact 20 291 99-13-31
    contact 20X 291 99-12-30
    contact 20 USA 99-12-29
    contact 40 291 99-12-27
} >"$folder/log.asc"
cp "$folder/log.asc" "$work/before.asc"

wine "$program" "$(winepath -w "$folder")" >/dev/null 2>&1 &
waitFor hasWindow 'Quillon by ZELK' || fail "the window did not open"
window=$(windowNamed 'Quillon by ZELK')
sleep 0.5
clickAt "$window" 66 89   # YY-MM-DD
clickAt "$window" 155 325 # Start
waitFor grep -qs "Normal end of run" "$folder/bad.adi" || fail "the first run did not end"
closeResult win32-result-first.png

focusOn "$window" || fail "the window did not get the keyboard"
xdotool key ctrl+e
waitFor hasWindow 'Correct Bad Contacts' || fail "Ctrl+E opened no correction window"
corrector=$(windowNamed 'Correct Bad Contacts')
focusOn "$corrector" || fail "the correction window did not get the keyboard"
sleep 0.5
[[ -n $shots ]] && import -window "$corrector" "$shots/win32-correction-date.png"
xdotool type --delay 30 "99-12-28"
xdotool key Next
sleep 0.3
[[ -n $shots ]] && import -window "$corrector" "$shots/win32-correction-band.png"
xdotool type --delay 30 "20"
xdotool key ctrl+s
waitFor grep -qs "<QSO_DATE:8>19991230" "$folder/log.adi" || fail "Ctrl+S did not convert the mended log"
closeResult win32-result-after-save.png
focusOn "$corrector" || fail "the correction window did not get the keyboard back"
sleep 0.3
[[ -n $shots ]] && import -window "$corrector" "$shots/win32-correction-saved.png"
xdotool key Escape
waitFor noWindow 'Correct Bad Contacts' || fail "Esc did not close the correction window"

grep -q "<QSO_DATE:8>19991228" "$folder/log.adi" || fail "the corrected date is not in log.adi"
grep -q "<DXCC:5>\*BAD\* USA" "$folder/bad.adi" || fail "the third bad contact is not in bad.adi"
[[ $(grep -c "<EOR>" "$folder/bad.adi") == 1 ]] || fail "bad.adi holds other than the one contact left"
cmp -s "$folder/log.asc.original" "$work/before.asc" || fail "log.asc.original is not the log as it was"
cmp -s <(sed '2d;3d' "$folder/log.asc") <(sed '2d;3d' "$work/before.asc") || fail "lines other than 2 and 3 changed"
[[ $(sed -n 2p "$folder/log.asc") == "$(contact 20 291 99-12-28)" ]] || fail "line 2 is not as corrected"
[[ $(sed -n 3p "$folder/log.asc") == "$(contact 20 291 99-12-30)" ]] || fail "line 3 is not as corrected"
focusOn "$window" || fail "the window did not get the keyboard back"
xdotool key ctrl+q
waitFor noWindow 'Quillon by ZELK' || fail "Ctrl+Q did not close the window"
echo "PASS: the Win32 correction window mended lines 2 and 3 of the log"
