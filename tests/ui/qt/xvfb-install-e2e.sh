#!/usr/bin/env bash
# Installs Quillon into a temporary prefix whose bin folder nobody may write and drives its window under a virtual X
# server of its own (no window manager) as an ordinary user (uid 65534 when run as root) with a home of their own:
# a copy of the program standing in a writable folder of its own converts there; the installed one converts in
# ~/Documents/Quillon, which it makes at start; File > Open Folder (Ctrl+O, a typed path) moves it to another folder,
# and the next start converts there again. Every output must equal quillon-convert's. The answers to --help,
# --version and a missing folder come without a display.
# usage: xvfb-install-e2e.sh BUILD_DIR
set -euo pipefail

(($# == 1)) || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
for tool in Xvfb xdotool setpriv; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (apt-get install xvfb xdotool)"; exit 77; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-e2e-XXXXXX")
xServerPid=
programPids=()
cleanUp() {
    local pid
    for pid in "${programPids[@]}"; do kill "$pid" 2>/dev/null || true; done
    if [[ -n $xServerPid ]]; then kill "$xServerPid" 2>/dev/null || true; fi
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanUp EXIT
fail() {
    echo "FAIL: $*" >&2
    cat "$work/quillon.log" >&2 2>/dev/null || true
    exit 1
}
# shellcheck source=../../support/wait-for.sh
source "$(dirname "$0")/../../support/wait-for.sh"
# shellcheck source=../../support/qt-window.sh
source "$(dirname "$0")/../../support/qt-window.sh"

chmod 755 "$work"
home=$work/home
mkdir "$home" "$work/cli"
asUser=()
if (($(id -u) == 0)); then
    chown 65534:65534 "$home"
    asUser=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
# A desktop session's bare environment: nothing of the test's own settings leaks in, but for a sanitizer build's
# leak suppressions, copied where the ordinary user may read them.
userEnv=(env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8)
if [[ -n ${QUILLON_LSAN_SUPPRESSIONS:-} ]]; then
    cp "$QUILLON_LSAN_SUPPRESSIONS" "$work/lsan.supp"
    userEnv+=("LSAN_OPTIONS=suppressions=$work/lsan.supp")
fi
asUserDo() { "${asUser[@]}" "${userEnv[@]}" "$@"; }

cmake --install "$1" --prefix "$work/prefix" >/dev/null
chmod a-w "$work/prefix/bin"
quillon=$work/prefix/bin/quillon
share=$work/prefix/share
# The installed example, which the ordinary user may read even when the source tree is in a private folder.
example=$share/doc/quillon/examples/log.asc

# What a desktop needs: the entry that opens a log, its type, an icon at any size, the manual pages.
grep -qx 'Exec=quillon %f' "$share/applications/org.norva.quillon.desktop" || fail "the desktop entry cannot open a file"
grep -qx 'MimeType=text/x-quillon-contact-log;' "$share/applications/org.norva.quillon.desktop" || fail "no log type"
grep -q 'type="text/x-quillon-contact-log"' "$share/mime/packages/quillon.xml" || fail "the log type is not defined"
for icon in scalable/apps/quillon.svg 16x16/apps/quillon.png 256x256/apps/quillon.png; do
    [[ -s $share/icons/hicolor/$icon ]] || fail "no icon $icon"
done
for page in quillon quillon-convert; do
    grep -q "^\.TH .*Quillon [0-9]" "$share/man/man1/$page.1" || fail "no manual page $page(1) with its version"
done

# No display yet: help and the version print and succeed; a folder that is not there is one line and status 64.
asUserDo "$quillon" --version >"$work/out" || fail "quillon --version failed"
grep -qx 'quillon [0-9]*\.[0-9]*\.[0-9]*' "$work/out" || fail "quillon --version printed: $(cat "$work/out")"
asUserDo "$quillon" --help >"$work/out" || fail "quillon --help failed"
grep -q '^Usage: quillon \[FOLDER | LOG\]' "$work/out" || fail "quillon --help printed: $(cat "$work/out")"
status=0
asUserDo "$quillon" "$work/nowhere" 2>"$work/err" || status=$?
((status == 64)) || fail "a missing folder ended with status $status"
[[ $(cat "$work/err") == "quillon: $work/nowhere: no such folder or file" ]] || fail "a missing folder said: $(cat "$work/err")"

cp "$example" "$work/cli/log.asc"
"$work/prefix/bin/quillon-convert" --date YY-MM-DD --band meters --dir "$work/cli" >/dev/null

startXServer
userEnv+=(DISPLAY="$DISPLAY")

# Whether the program shows no window but its main one (no dialog, no completion list).
onlyMainWindow() { [[ $(xdotool search --onlyvisible --class Quillon 2>/dev/null) == "$window" ]]; }
# Starts program $1, its arguments after it, and waits for its window: sets $window and $menu, the height of the
# menu bar above the 306 x 337 client area. Started without a subshell between, so the process id is quillon's own.
startQuillon() {
    "${asUser[@]}" "${userEnv[@]}" "$@" >"$work/quillon.log" 2>&1 &
    programPids+=($!)
    findWindow
}
# File > Exit by its shortcut; the program must end, and end well.
exitQuillon() {
    xdotool windowfocus --sync "$window" key ctrl+q
    wait "${programPids[-1]}" || fail "quillon ended with status $?"
}
# Presses Start, waits for the run in folder $1 to end and for the box that says how it went, and closes the box
# with Return.
startIn() {
    clickAt 152 284 # the middle of Start: Frame1 (8, 0) + (104, 272) + (40, 12)
    waitFor grep -qs "Normal end of run" "$1/bad.adi" || fail "no run ended in $1"
    waitFor hasWindow "Conversion done" || fail "no box said how the run in $1 went"
    xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "Conversion done" | head -n 1)" key Return
    waitFor onlyMainWindow || fail "the result box stayed open"
    xdotool windowfocus --sync "$window"
}
# Chooses YY-MM-DD, converts in folder $1 and compares log.adi and bad.adi there with quillon-convert's, but for the
# time they were written.
convertIn() {
    clickAt 62 48 # the indicator of YY-MM-DD: Frame1 (8, 0) + Frame2 (32, 16) + option (16, 24) + (6, 8)
    startIn "$1"
    sameOutputs "$1"
}
sameOutputs() {
    local file
    stamp() { sed 's/^File converted on .*$/File converted on <timestamp>\r/' "$1"; }
    for file in log.adi bad.adi; do
        cmp -s <(stamp "$1/$file") <(stamp "$work/cli/$file") && continue
        diff <(stamp "$1/$file") <(stamp "$work/cli/$file") >&2 || true
        fail "$1/$file differs from quillon-convert's"
    done
}

# A copy of the program in a folder of its own that the user may write to converts there.
asUserDo mkdir "$home/app"
asUserDo cp "$quillon" "$home/app/quillon"
asUserDo cp "$example" "$home/app/log.asc"
startQuillon "$home/app/quillon"
convertIn "$home/app"
exitQuillon

documents=$home/Documents/Quillon
startQuillon "$quillon"
[[ -d $documents ]] || fail "no $documents after the first start of the installed program"
asUserDo cp "$example" "$documents/log.asc"
convertIn "$documents"

# File > Open Folder by its shortcut, typing the folder's path. With no window manager nothing hands the X input
# focus on: the test gives it to the main window before Ctrl+O, to the dialog before typing and to the main window
# again once the dialog is gone (until then it rests on the root window, where keys are lost). The path ends in "/"
# so that the dialog's completer has nothing to offer at Return: a completion list open then outlives the dialog
# for a moment and swallows the next click.
other=$home/radio-log
asUserDo mkdir "$other"
asUserDo cp "$example" "$other/log.asc"
xdotool windowfocus --sync "$window" key ctrl+o
waitFor hasWindow "Open Folder" || fail "Ctrl+O showed no Open Folder dialog"
xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "Open Folder" | head -n 1)" type --delay 20 "$other/"
xdotool key Return
waitFor grep -qsxF "logFolder=$other" "$home/.config/Quillon/Quillon.conf" || fail "Open Folder did not take $other/"
waitFor onlyMainWindow || fail "the Open Folder dialog stayed open"
xdotool windowfocus --sync "$window"
startIn "$other" # the date layout chosen before still holds
sameOutputs "$other"
exitQuillon

# A new start without arguments goes back to the folder chosen last.
asUserDo rm "$other/log.adi" "$other/bad.adi"
startQuillon "$quillon"
convertIn "$other"
exitQuillon

leftovers=$(find "$work/prefix/bin" -name '*.ad?' -o -name '*.asc')
[[ -z $leftovers ]] || fail "files appeared beside the program: $leftovers"
echo "PASS: the window converts beside a copy of the program, and installed in ~/Documents/Quillon, then in the" \
    "folder chosen with Ctrl+O, also at the next start"
