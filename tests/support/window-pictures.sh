# The pictures the window drives take and compare, and what their failures show. Sourced by the drives, which
# define fail.

# failWith MESSAGE: ends the drive saying why, with the program's output and, with $shots set, a picture of the
# screen named after the window ($name).
failWith() {
    echo "FAIL: $*" >&2
    cat "$work/quillon.log" >&2 2>/dev/null || true
    if [[ -n ${shots:-} ]]; then import -window root "$shots/$name-failure.png" 2>/dev/null || true; fi
    exit 1
}

# sameAsReference PICTURE REFERENCE: a picture a window drive took must equal its reference pixel for pixel, or
# the test fails saying in how many they differ. With QUILLON_UPDATE_REFERENCE set the picture becomes the
# reference instead (look at it first).
sameAsReference() {
    local difference
    if [[ -n ${QUILLON_UPDATE_REFERENCE:-} ]]; then
        cp "$1" "$2"
        return 0
    fi
    difference=$(compare -metric AE "$1" "$2" null: 2>&1 || true)
    [[ $difference == 0 ]] || fail "$(basename "$1") differs from $(basename "$2") in $difference pixels"
}
# pictureAround WINDOW FILE [WIDTHxHEIGHT+X+Y]: the screen where the window stands and a little beyond it to the
# right and below, so that a menu open over it shows whole; or the box given, from the window's top left corner.
pictureAround() {
    local x y box=${3:-340x420+0+0}
    read -r x y < <(xdotool getwindowgeometry "$1" | awk '/Position:/ { split($2, at, ","); print at[1], at[2] }')
    local size=${box%%+*} offset=${box#*+}
    import -window root -crop "$size+$((x + ${offset%+*}))+$((y + ${offset#*+}))" +repage "$2"
}
