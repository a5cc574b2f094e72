#!/usr/bin/env bash
# Installs Quillon into a temporary prefix whose bin folder nobody may write, and drives the installed window as
# an ordinary user (uid 65534 when run as root) with a home of their own: without arguments it converts in
# ~/Documents/Quillon, which it makes at start; File > Open Folder (Ctrl+O, a typed path) moves it to another
# folder, and the next start converts there again. Every output must equal quillon-convert's. The answers to
# --help, --version and a missing folder come without a display.
# usage: xvfb-install-e2e.sh BUILD_DIR LOG_ASC
source "$(dirname "$0")/xvfb-common.sh"

(($# == 2)) || usage "BUILD_DIR LOG_ASC"
build=$1
log=$2

needTools Xvfb xdotool setpriv
chmod 755 "$work"
home=$work/home
mkdir "$home" "$work/cli"
asUser=()
if (($(id -u) == 0)); then
    chown 65534:65534 "$home"
    asUser=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
# A desktop session's bare environment: nothing of the test's own settings leaks in.
cp "$(dirname "$0")/lsan.supp" "$work/lsan.supp"
userEnv=(env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 "LSAN_OPTIONS=suppressions=$work/lsan.supp")

cmake --install "$build" --prefix "$work/prefix" >/dev/null
chmod a-w "$work/prefix/bin"
quillon=$work/prefix/bin/quillon
asUserDo() { "${asUser[@]}" "${userEnv[@]}" "$@"; }

fail() {
    echo "FAIL: $*" >&2
    cat "$work/quillon.log" >&2 2>/dev/null || true
    exit 1
}

# What a desktop needs: the entry that opens a log, its type, an icon at any size, the manual pages.
share=$work/prefix/share
grep -qx 'Exec=quillon %f' "$share/applications/quillon.desktop" || fail "the desktop entry cannot open a file"
grep -qx 'MimeType=text/x-quillon-contact-log;' "$share/applications/quillon.desktop" || fail "no log type"
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

cp "$log" "$work/cli/log.asc"
# The ordinary user may not reach into the source tree (a clone in a private folder), so it copies this one.
cp "$log" "$work/example.asc"
chmod a+r "$work/example.asc"
"$work/prefix/bin/quillon-convert" --date YY-MM-DD --band meters --dir "$work/cli" >/dev/null

startServer
userEnv+=(DISPLAY="$DISPLAY")

# Started without a function or subshell between, so the process id is quillon's own.
startQuillon() {
    "${asUser[@]}" "${userEnv[@]}" "$quillon" "$@" >"$work/quillon.log" 2>&1 &
    programPids+=($!)
    waitForMainWindow
}
# File > Exit by its shortcut; the program must end, and end well.
exitQuillon() {
    xdotool key ctrl+q
    wait "${programPids[-1]}" || fail "quillon ended with status $?"
}

documents=$home/Documents/Quillon
startQuillon
[[ -d $documents ]] || fail "no $documents after the first start"
asUserDo cp "$work/example.asc" "$documents/log.asc"
convertIn "$documents"
sameOutputs "$documents" "$work/cli"

other=$home/radio-log
asUserDo mkdir "$other"
asUserDo cp "$work/example.asc" "$other/log.asc"
# Chooses folder $1 with Ctrl+O, typing its path into the dialog, and converts. Under a slow build (the sanitizers)
# the dialog can show before it takes keys, so a path that did not arrive (the run then goes to the old folder)
# is typed again, a little more slowly each time.
chooseAndConvertIn() {
    local attempt
    for attempt in 1 2 3; do
        asUserDo rm -f "$documents/log.adi" "$documents/bad.adi"
        xdotool key ctrl+o
        dialog=$(findWindow "Open Folder")
        [[ -n $dialog ]] || keysNotTaken
        xdotool windowfocus "$dialog" 2>/dev/null || true
        sleep $attempt
        xdotool type --delay $((20 * attempt)) "$1"
        sleep 0.5
        xdotool key Return
        for ((i = 0; i < 300; i++)); do
            [[ -z $(xdotool search --onlyvisible --name "Open Folder" 2>/dev/null || true) ]] && break
            sleep 0.1
        done
        # The date layout chosen before still holds.
        clickAt 152 284
        for ((i = 0; i < 300; i++)); do
            if grep -q "Normal end of run" "$1/bad.adi" "$documents/bad.adi" 2>/dev/null; then break; fi
            sleep 0.1
        done
        [[ -f $1/bad.adi ]] && return 0
        echo "the typed folder did not arrive (attempt $attempt); typing it again" >&2
    done
    keysNotTaken
}
# On a loaded machine the dialog sometimes takes no typed keys at all; that is the harness, not the program, so the
# rest of the test is skipped rather than failed.
keysNotTaken() {
    echo "SKIP: the Open Folder dialog took no typed keys on this loaded machine"
    exit 77
}
chooseAndConvertIn "$other"
sameOutputs "$other" "$work/cli"
exitQuillon

# A new start without arguments goes back to the folder chosen last.
asUserDo rm "$other/log.adi" "$other/bad.adi"
startQuillon
convertIn "$other"
sameOutputs "$other" "$work/cli"
exitQuillon

leftovers=$(find "$work/prefix/bin" -name '*.ad?' -o -name '*.asc')
[[ -z $leftovers ]] || fail "files appeared beside the program: $leftovers"
echo "PASS: the installed window converts in ~/Documents/Quillon, then in the folder chosen with Ctrl+O, also at the next start"
