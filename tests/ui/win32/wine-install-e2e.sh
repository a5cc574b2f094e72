#!/usr/bin/env bash
# The Windows installer and window under Wine, as a user would meet them: in a fresh Wine prefix on a virtual X
# server of its own, the installer runs silently; the installed quillon.exe, started with no argument, converts a
# generated log in Documents\Quillon when a layout is chosen and Start is clicked, and log.adi and bad.adi equal the
# Linux quillon-convert's byte for byte (the timestamp line aside). The window must look as the reference image
# kept beside this script (so a control hidden by another fails), and so must the About box. The About box opens,
# System Info tells in a message box that there is no system-information program, and Esc closes the box; Alt+H, A
# opens it again, and Tab, Space and Enter open the web address; F1 shows the user guide and Esc closes it; File >
# Open Folder takes a typed folder, and Enter presses Start there. File > Exit ends the program; started again at
# 144 dpi the window must look as its reference at that density. The silent uninstaller takes the program, its
# shortcuts and its Apps & Features entry away and leaves the user's logs alone. With QUILLON_UPDATE_REFERENCE set,
# the pictures taken become the references.
# usage: wine-install-e2e.sh SETUP_EXE LINUX_BUILD_DIR [SCREENSHOT_DIR]
set -euo pipefail

(($# >= 2)) || { echo "usage: $0 SETUP_EXE LINUX_BUILD_DIR [SCREENSHOT_DIR]" >&2; exit 2; }
setup=$(realpath "$1")
convert=$(realpath "$2/cli/quillon-convert")
genlog=$(realpath "$2/bench/quillon-genlog")
shots=${3:-}
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-wine-e2e-XXXXXX")
trap cleanUpWine EXIT
# A command that fails outside a check ends the test too; say which, so that no failure is silent.
trap 'echo "FAIL: line $LINENO: \"$BASH_COMMAND\" ended with status $?" >&2' ERR
fail() {
    echo "FAIL: $*" >&2
    [[ -n $shots ]] && import -window root "$shots/failure.png" 2>/dev/null || true
    exit 1
}
# shellcheck source=../../support/wait-for.sh
source "$here/../../support/wait-for.sh"
# shellcheck source=../../support/wine-window.sh
source "$here/../../support/wine-window.sh"
# shellcheck source=../../support/window-pictures.sh
source "$here/../../support/window-pictures.sh"
# Compares a window's picture with its reference beside this script, or with QUILLON_UPDATE_REFERENCE set makes it
# the reference.
matchesReference() {
    import -window "$1" "$work/$2.png"
    [[ -n $shots ]] && cp "$work/$2.png" "$shots/$2.png"
    sameAsReference "$work/$2.png" "$here/reference-$2.png"
}
endsNormally() { grep -q '^Normal end of run' "$1/log.adi" 2>/dev/null && grep -q '^Normal end of run' "$1/bad.adi"; }
sameAsLinux() {
    local folder=$1 expected=$work/expected/$2 file
    mkdir -p "$expected"
    cp "$folder/log.asc" "$expected/"
    "$convert" --date YY-MM-DD --dir "$expected" >/dev/null
    for file in log.adi bad.adi; do
        cmp -s <(sed 4d "$folder/$file") <(sed 4d "$expected/$file") || fail "$file in $folder differs from Linux's"
    done
}

startWineDesktop 90
# The web browser is a script that notes each address it is asked to open; web pages (.htm) open in Wine's
# winebrowser, which hands the address on to it.
cat >"$work/browser" <<SCRIPT
#!/bin/sh
echo "\$1" >>"$work/opened"
SCRIPT
chmod +x "$work/browser"
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$work/browser" /f >/dev/null 2>&1
wine reg add 'HKCR\.htm' /ve /d htmlfile /f >/dev/null 2>&1
wine reg add 'HKCR\htmlfile\shell\open\command' /ve /d 'C:\windows\system32\winebrowser.exe "%1"' /f >/dev/null 2>&1
opened() { [[ $(wc -l 2>/dev/null <"$work/opened") -ge $1 ]]; }

# Silent install.
wine "$setup" /S
wineserver -w
program="$WINEPREFIX/drive_c/Program Files/Quillon"
for file in quillon.exe quillon-convert.exe QUILLON.DOC examples/log.asc uninstall.exe; do
    [[ -f $program/$file ]] || fail "the installer put no $file into Program Files\\Quillon"
done
uninstallKey='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillon'
wine reg query "$uninstallKey" /v DisplayVersion 2>/dev/null | grep -q '[0-9]\.[0-9]' || fail "no Apps & Features entry"
menu=$(find "$WINEPREFIX/drive_c" -ipath '*Start Menu/Programs/Quillon/Quillon.lnk' | head -1)
[[ -n $menu ]] || fail "no Start-menu shortcut"

# The installed program converts in Documents\Quillon, which it makes at start.
documents=$WINEPREFIX/drive_c/users/$(id -un)/Documents/Quillon
wine 'C:\Program Files\Quillon\quillon.exe' >/dev/null 2>&1 &
waitFor hasWindow 'Quillon by ZELK' || fail "the window did not open"
window=$(windowNamed 'Quillon by ZELK')
waitFor test -d "$documents" || fail "Documents\\Quillon was not made"
"$genlog" 3000 7 >"$documents/log.asc"
clickAt "$window" 66 89   # YY-MM-DD
clickAt "$window" 155 325 # Start
waitFor endsNormally "$documents" || fail "no complete log.adi and bad.adi in Documents\\Quillon"
sameAsLinux "$documents" documents
closeResult result-documents.png

# The window as it stands after the run must look as the reference: every control in its place and visible.
sleep 0.5
matchesReference "$window" window

# Help > About by the mouse; Esc closes it.
clickAt "$window" 100 33 # Help, beside File and Options
sleep 0.3
clickAt "$window" 119 70 # About
waitFor hasWindow 'About Quillon' || fail "no About box"
about=$(windowNamed 'About Quillon')
# The About box must look as its reference too: its fonts, its etched rule and which controls take the default font.
sleep 0.5
matchesReference "$about" about-box
# Alt+S presses System Info; Wine has no MSINFO32.EXE in the registry, so the box says so in a message of its own.
focusOn "$about" || fail "the About box did not get the keyboard"
xdotool key alt+s
waitFor hasWindow '^Quillon$' || fail "System Info showed no message"
[[ -n $shots ]] && import -window root "$shots/system-info-message.png"
focusOn "$(windowNamed '^Quillon$')" || fail "the System Info message did not get the keyboard"
xdotool key Return
waitFor noWindow '^Quillon$' || fail "Enter did not close the System Info message"
focusOn "$about" || fail "the About box did not get the keyboard back"
xdotool key Escape
waitFor noWindow 'About Quillon' || fail "Esc did not close the About box"

# Alt+H, A opens the About box from the keyboard; Tab goes from OK to System Info to the web address, which Space
# and Enter open, and the box stays.
openMenu alt+h
xdotool key a
waitFor hasWindow 'About Quillon' || fail "Alt+H, A opened no About box"
about=$(windowNamed 'About Quillon')
focusOn "$about" || fail "the About box did not get the keyboard"
xdotool key Tab Tab
sleep 0.3
[[ -n $shots ]] && import -window "$about" "$shots/about-link-focused.png"
xdotool key space
waitFor opened 1 || fail "Space on the web address opened no browser"
xdotool key Return
waitFor opened 2 || fail "Enter on the web address opened no browser"
hasWindow 'About Quillon' || fail "the web address closed the About box"
[[ $(sort -u "$work/opened") == http* ]] || fail "the browser was asked for $(cat "$work/opened")"
xdotool key Escape
waitFor noWindow 'About Quillon' || fail "Esc did not close the About box"

# F1 shows the user guide, and Esc closes it.
keysToWindow F1
waitFor hasWindow 'Quillon User Guide' || fail "F1 showed no user guide"
sleep 0.3
[[ -n $shots ]] && import -window "$(windowNamed 'Quillon User Guide')" "$shots/user-guide.png"
focusOn "$(windowNamed 'Quillon User Guide')" || fail "the user guide did not get the keyboard"
xdotool key Escape
waitFor noWindow 'Quillon User Guide' || fail "Esc did not close the user guide"

# File > Open Folder (Ctrl+O) with a typed path, then Start converts there.
other=$work/other
mkdir -p "$other"
"$genlog" 500 11 >"$other/log.asc"
keysToWindow ctrl+o
waitFor hasWindow 'Open Folder' || fail "no folder dialog"
sleep 0.5
[[ -n $shots ]] && import -window root "$shots/folder-dialog.png"
focusOn "$(windowNamed 'Open Folder')" || fail "the folder dialog did not get the keyboard"
xdotool type --delay 10 "$(winepath -w "$other")"
xdotool key Return
waitFor noWindow 'Open Folder' || fail "the folder dialog did not take the typed folder"
# Enter presses Start, the default button, with the focus on the chosen date option.
keysToWindow Return
waitFor endsNormally "$other" || fail "Enter made no complete log.adi and bad.adi in the chosen folder"
sameAsLinux "$other" other
closeResult result-other.png
wine reg query 'HKCU\Software\Quillon' /v LogFolder 2>/dev/null | grep -qF "$(winepath -w "$other")" ||
    fail "the chosen folder was not kept"

# File > Exit (Ctrl+Q) ends the program.
keysToWindow ctrl+q
waitFor noWindow 'Quillon by ZELK' || fail "File > Exit did not close the window"

# At 144 dpi every text fits its place: the window must look as its reference at that density.
wineserver -w
for key in 'HKCU\Control Panel\Desktop' 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
    wine reg add "$key" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
done
wineserver -w
wine 'C:\Program Files\Quillon\quillon.exe' >/dev/null 2>&1 &
waitFor hasWindow 'Quillon by ZELK' || fail "the window did not open at 144 dpi"
window=$(windowNamed 'Quillon by ZELK')
sleep 1
# Tab takes the focus from the counter to Start (the layout chosen before is chosen again), so no blinking caret
# decides the picture.
keysToWindow Tab
sleep 0.5
matchesReference "$window" window-144dpi
xdotool key ctrl+q
waitFor noWindow 'Quillon by ZELK' || fail "File > Exit did not close the window at 144 dpi"

# Silent uninstall: the uninstaller copies itself away and returns at once, so wait for the whole prefix to settle.
wine 'C:\Program Files\Quillon\uninstall.exe' /S
wineserver -w
[[ ! -e $program ]] || fail "Program Files\\Quillon is still there"
! wine reg query "$uninstallKey" >/dev/null 2>&1 || fail "the Apps & Features entry is still there"
[[ ! -e $menu ]] || fail "the Start-menu shortcut is still there"
[[ -f $documents/log.adi ]] || fail "the uninstaller took the user's Documents\\Quillon"
echo "ok: installed, converted in Documents\\Quillon and in a chosen folder as Linux does, About and Esc, the keys, 144 dpi, exited, uninstalled"
