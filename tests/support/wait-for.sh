# waitFor COMMAND...: runs the command until it succeeds, for up to 30 s, since on a loaded machine a window can
# take seconds to come. Sourced by the tests that drive a window under X.
waitFor() {
    local i
    for ((i = 0; i < 300; i++)); do
        if "$@"; then return 0; fi
        sleep 0.1
    done
    return 1
}
