# The ADIF 3 choice kept from one start to the next, as both window drives take it: the log, the user's steps and
# the checks. Sourced by a drive that has sourced its window's helpers and window-pictures.sh, set $work, $here (where
# its references are), $shots, $name (the window's name in picture names) and $menuBox, the box of the Options
# menu's two output items from the window's top left corner, and defined statusBox (says the status label's box
# likewise), chooseYyMmDd, and closeQuillon (its own way, until the program has ended).

folder=$work/log

# Presses Start with Enter, waits for the run, answers the box, and checks log.adi is ADIF 3 and the status label
# says so; $1 (first, restarted) names its pictures.
convertAsAdif3() {
    keysToWindow Return
    waitFor grep -qs "Normal end of run" "$folder/bad.adi" || fail "Enter started no run that ended"
    closeResult "$name-adif3-result-$1.png"
    grep -q "^<ADIF_VER:5>3\.1\.6" "$folder/log.adi" || fail "log.adi of the $1 run is not ADIF 3"
    grep -q "^<CREATED_TIMESTAMP:15>" "$folder/log.adi" || fail "log.adi of the $1 run has no creation time"
    [[ $(grep -c "<EOR>" "$folder/log.adi") == 3 && $(grep -c "<EOR>" "$folder/bad.adi") == 1 ]] ||
        fail "the $1 run did not send three contacts to log.adi and one to bad.adi"
    sleep 0.3
    pictureAround "$window" "$work/status-$1.png" "$(statusBox)"
    if [[ -n $shots ]]; then
        cp "$work/status-$1.png" "$shots/$name-adif3-status-$1.png"
        import -window "$window" "$shots/$name-adif3-window-$1.png"
    fi
    sameAsReference "$work/status-$1.png" "$here/reference-status-adif3.png"
}

driveAdif3Choice() {
    mkdir "$folder"
    {
        contact 20 291 99-12-31
        contact 20 291 99-12-30
        contact 20 USA 99-12-29
        contact 20 291 99-12-28
    } >"$folder/log.asc"

    # A first start: the classic output is chosen, and no date layout.
    startQuillon
    openMenu alt+o
    xdotool key a
    waitFor eval '! menuOpen' || fail "A did not take the ADIF 3 item"
    chooseYyMmDd
    convertAsAdif3 first
    closeQuillon

    # The next start shows the choice kept, and converts with it.
    rm "$folder/log.adi" "$folder/bad.adi"
    startQuillon
    openMenu alt+o
    if [[ -n $shots ]]; then pictureAround "$window" "$shots/$name-adif3-menu.png"; fi
    pictureAround "$window" "$work/menu-output.png" "$menuBox"
    sameAsReference "$work/menu-output.png" "$here/reference-menu-adif3.png"
    xdotool key Escape
    waitFor eval '! menuOpen' || fail "Esc did not close the Options menu"
    xdotool key Escape # leaves the menu bar
    convertAsAdif3 restarted
    closeQuillon
}
