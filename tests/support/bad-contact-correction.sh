# Correcting bad contacts in the window, as both window drives take it: a log with three bad contacts is converted,
# Ctrl+E opens the correction window on the first with its date selected, a good date is typed over it, Page Down
# goes to the next contact, whose band is typed over, and Ctrl+S saves. Both contacts must then be in log.adi and
# the third still in bad.adi, the log changed in exactly those two lines, and log.asc.original equal to the log as
# it was. Sourced by a drive that has sourced its window's helpers, set $work, $shots and $name (the window's name
# in picture names), and defined chooseYyMmDd, clickStart, and closeQuillon (with Ctrl+Q, until the program has
# ended).

folder=$work/log

# Opens the correction window with Ctrl+E, corrects two contacts, saves, and closes it with Esc.
correctTwoContacts() {
    keysToWindow ctrl+e
    waitFor hasWindow 'Correct Bad Contacts' || fail "Ctrl+E opened no correction window"
    local corrector
    corrector=$(windowNamed 'Correct Bad Contacts')
    giveKeyboard "$corrector"
    sleep 0.5
    if [[ -n $shots ]]; then import -window "$corrector" "$shots/$name-correction-date.png"; fi
    xdotool type --delay 30 "99-12-28"
    xdotool key Page_Down
    sleep 0.3
    if [[ -n $shots ]]; then import -window "$corrector" "$shots/$name-correction-band.png"; fi
    xdotool type --delay 30 "20"
    xdotool key ctrl+s
    waitFor grep -qs "<QSO_DATE:8>19991230" "$folder/log.adi" || fail "Ctrl+S did not convert the mended log"
    closeResult "$name-result-after-save.png"
    giveKeyboard "$corrector"
    sleep 0.3
    if [[ -n $shots ]]; then import -window "$corrector" "$shots/$name-correction-saved.png"; fi
    xdotool key Escape
    waitFor noWindow 'Correct Bad Contacts' || fail "Esc did not close the correction window"
}

driveBadContactCorrection() {
    mkdir "$folder"
    {
        contact 20 291 99-12-31
        contact 20 291 99-13-31
        contact 20X 291 99-12-30
        contact 20 USA 99-12-29
        contact 40 291 99-12-27
    } >"$folder/log.asc"
    cp "$folder/log.asc" "$work/before.asc"

    startQuillon
    chooseYyMmDd
    clickStart
    waitFor grep -qs "Normal end of run" "$folder/bad.adi" || fail "the first run did not end"
    closeResult "$name-result-first.png"
    correctTwoContacts

    grep -q "<QSO_DATE:8>19991228" "$folder/log.adi" || fail "the corrected date is not in log.adi"
    grep -q "<DXCC:5>\*BAD\* USA" "$folder/bad.adi" || fail "the third bad contact is not in bad.adi"
    [[ $(grep -c "<EOR>" "$folder/bad.adi") == 1 ]] || fail "bad.adi holds other than the one contact left"
    cmp -s "$folder/log.asc.original" "$work/before.asc" || fail "log.asc.original is not the log as it was"
    cmp -s <(sed '2d;3d' "$folder/log.asc") <(sed '2d;3d' "$work/before.asc") || fail "lines other than 2 and 3 changed"
    [[ $(sed -n 2p "$folder/log.asc") == "$(contact 20 291 99-12-28)" ]] || fail "line 2 is not as corrected"
    [[ $(sed -n 3p "$folder/log.asc") == "$(contact 20 291 99-12-30)" ]] || fail "line 3 is not as corrected"
    { diff "$work/before.asc" "$folder/log.asc" || true; } | sed -n "/^[<>]/p" | tr -d "\r" >"$work/changed"
    if [[ -n $shots ]]; then cp "$work/changed" "$shots/$name-log-before-after.txt"; fi
    closeQuillon
}
