#!/usr/bin/env bash
# Runs the real quillon window under its own virtual X server: clicks YY-MM-DD and Start where a user would,
# waits for the run and compares log.adi and bad.adi with what quillon-convert makes of the same log. The program
# stands in a folder of its own that it may write to, and converts there.
# usage: xvfb-e2e.sh QUILLON QUILLON_CONVERT LOG_ASC
source "$(dirname "$0")/xvfb-common.sh"

(($# == 3)) || usage "QUILLON QUILLON_CONVERT LOG_ASC"
program=$1
converter=$2
log=$3

needTools Xvfb xdotool
startServer

mkdir "$work/app" "$work/cli" "$work/home"
cp "$program" "$work/app/quillon"
cp "$log" "$work/app/log.asc"
cp "$log" "$work/cli/log.asc"
"$converter" --date YY-MM-DD --band meters --dir "$work/cli" >/dev/null

# A home of its own, so no folder the user chose in a window of their own takes the test elsewhere.
(cd "$work/app" && HOME=$work/home exec ./quillon >"$work/quillon.log" 2>&1) &
programPids+=($!)
waitForMainWindow
convertIn "$work/app"

sameOutputs "$work/app" "$work/cli"
echo "PASS: log.adi and bad.adi written through the window match quillon-convert's"
