# Steps of the drives that work the Qt window with xdotool on a virtual X server of their own, with no window
# manager. Sourced after wait-for.sh by a script that sets $work (its temporary folder) and defines fail.

# Starts the server, which picks a free display number itself, so tests started side by side cannot pick the same
# one. It must not reset when its last client leaves: a window started again at once could not connect while it
# does. Sets DISPLAY and xServerPid.
startXServer() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xServerPid=$!
    waitFor test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    DISPLAY=:$(head -n 1 "$work/display")
    export DISPLAY
}
# The drive's trap on EXIT: ends the program and the X server, and removes $work.
cleanUpQt() {
    if [[ -n ${programPid:-} ]]; then kill "$programPid" 2>/dev/null || true; fi
    if [[ -n ${xServerPid:-} ]]; then kill "$xServerPid" 2>/dev/null || true; fi
    rm -rf "$work"
}
# Whether a window titled $1 shows, or none does; the first that does; gives a window the keyboard.
hasWindow() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
noWindow() { ! hasWindow "$1"; }
windowNamed() { xdotool search --onlyvisible --name "$1" | head -n 1; }
giveKeyboard() { xdotool windowfocus --sync "$1"; }
# Starts $program on $folder and waits for its window.
startQuillon() {
    "$program" "$folder" >"$work/quillon.log" 2>&1 &
    programPid=$!
    findWindow
}
# Waits for the converter window: sets $window, and $menu, the height of the menu bar above the 306 x 337 client
# area.
findWindow() {
    waitFor hasWindow "Quillon by ZELK" || fail "the quillon window did not appear"
    window=$(windowNamed "Quillon by ZELK")
    sleep 0.5
    local height
    height=$(xdotool getwindowgeometry "$window" | awk '/Geometry:/ { split($2, size, "x"); print size[2] }')
    menu=$((height - 337))
}
# Presses keys on the window; opens a menu of it with its keys ("alt+o"), a window of the program's beside its main
# one.
keysToWindow() { xdotool windowfocus --sync "$window" key "$@"; }
menuOpen() { (($(xdotool search --onlyvisible --class Quillon 2>/dev/null | wc -l) > 1)); }
openMenu() {
    keysToWindow "$1"
    waitFor menuOpen || fail "$1 opened no menu"
    sleep 0.3
}
# Clicks at a point of the client area, as a user's mouse would.
clickAt() {
    xdotool mousemove --window "$window" "$1" "$(($2 + menu))" click 1
    sleep 0.3
}
# The box that says how a run went, which may offer the correction window too; Return takes its OK. With $shots
# set, its picture goes there, named $1.
closeResult() {
    waitFor hasWindow "Conversion done" || fail "no box said how the run went"
    if [[ -n ${shots:-} ]]; then import -window "$(windowNamed "Conversion done")" "$shots/$1"; fi
    xdotool windowfocus --sync "$(windowNamed "Conversion done")" key Return
    waitFor noWindow "Conversion done" || fail "Return did not close the result box"
}
