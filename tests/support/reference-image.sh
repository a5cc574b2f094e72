# sameAsReference PICTURE REFERENCE: a picture a window drive took must equal its reference pixel for pixel, or
# the test fails saying in how many they differ. With QUILLON_UPDATE_REFERENCE set the picture becomes the
# reference instead (look at it first). Sourced by the window drives, which define fail.
sameAsReference() {
    local difference
    if [[ -n ${QUILLON_UPDATE_REFERENCE:-} ]]; then
        cp "$1" "$2"
        return 0
    fi
    difference=$(compare -metric AE "$1" "$2" null: 2>&1 || true)
    [[ $difference == 0 ]] || fail "$(basename "$1") differs from $(basename "$2") in $difference pixels"
}
