# Steps of the drives that work the Win32 window under Wine with xdotool, on a virtual X server of their own with
# no window manager. Sourced after wait-for.sh by a script that sets $work (its temporary folder) and $shots (a
# folder for screenshots, or empty), and defines fail.

# A Wine prefix of its own in $work, with the fonts of the classic forms, windows that X leaves unmanaged (so that
# a closed window is gone at once and keys reach the window that has the focus), and nothing that asks to install
# Mono or Gecko; and an X server on the first free display from $1 on, which sets DISPLAY and xServerPid.
startWineDesktop() {
    export HOME=$work/home WINEPREFIX=$work/prefix WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    mkdir -p "$HOME"
    local display
    for ((display = $1; display < $1 + 20; display++)); do
        [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]] || break
    done
    export DISPLAY=:$display
    Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    xServerPid=$!
    waitFor test -e "/tmp/.X11-unix/X$display" || fail "no X server"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}
# The drive's trap on EXIT: ends the Wine server and the X server, and removes $work.
cleanUpWine() {
    wineserver -k 2>/dev/null || true
    if [[ -n ${xServerPid:-} ]]; then kill "$xServerPid" 2>/dev/null || true; fi
    rm -rf "$work"
}
windowNamed() { xdotool search --name "$1" 2>/dev/null | head -1; }
hasWindow() { [[ -n $(windowNamed "$1") ]]; }
noWindow() { [[ -z $(windowNamed "$1") ]]; }
# Gives a window the keyboard and waits until it has it: without a window manager a closed message box leaves the
# focus in between for a moment, and a key sent then is lost.
hasFocus() { [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]; }
focusOn() { xdotool windowfocus "$1" && waitFor hasFocus "$1"; }
giveKeyboard() { focusOn "$1" || fail "a window did not get the keyboard"; }
# Starts $program on $folder and waits for its window, $window.
startQuillon() {
    wine "$program" "$(winepath -w "$folder")" >/dev/null 2>&1 &
    waitFor hasWindow 'Quillon by ZELK' || fail "the window did not open"
    window=$(windowNamed 'Quillon by ZELK')
    sleep 0.5
}
# Presses keys on $window; opens a menu of it with its keys ("alt+o"), a window of the program's beside its main
# one.
keysToWindow() {
    giveKeyboard "$window"
    xdotool key "$@"
}
menuOpen() { (($(xdotool search --onlyvisible --class quillon.exe 2>/dev/null | wc -l) > 1)); }
openMenu() {
    keysToWindow "$1"
    waitFor menuOpen || fail "$1 opened no menu"
    sleep 0.3
}
# Clicks at x, y of the window's own pixels, frame and caption included. (--sync is left out: moving the pointer
# to where it already is would wait for a motion that never comes.)
clickAt() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
# After a run a box says how it went, which may offer the correction window too; Return takes its OK. With $shots
# set, its picture goes there, named $1.
closeResult() {
    waitFor hasWindow '^Conversion done$' || fail "no box said how the run went"
    sleep 0.3
    if [[ -n $shots ]]; then import -window "$(windowNamed '^Conversion done$')" "$shots/$1"; fi
    focusOn "$(windowNamed '^Conversion done$')" || fail "the result box did not get the keyboard"
    xdotool key Return
    waitFor noWindow '^Conversion done$' || fail "Return did not close the result box"
}
