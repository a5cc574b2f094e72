#!/usr/bin/env bash
# Converts the ADIF 3 golden log with quillon-convert and has two independent ADIF readers from npm, tcadif (which
# checks every field it knows) and adif-parser-ts, read log.adi: every record must be accepted, both must read the
# same fields, and every contact of the log must be in exactly one of the two files. The readers are installed with
# npm into a folder of the build tree; without npm or the registry the test is skipped (exit 77), saying so.
# usage: adif3-readers.sh QUILLON-CONVERT CASE-FOLDER NPM-FOLDER
set -euo pipefail
convert=$(realpath "$1")
case_folder=$(realpath "$2")
mkdir -p "$3"
npm_folder=$(realpath "$3")
here=$(cd "$(dirname "$0")" && pwd)

if ! command -v node > /dev/null || ! command -v npm > /dev/null; then
    echo "SKIPPED: node and npm are needed to install the ADIF readers (apt-get install nodejs npm)"
    exit 77
fi
if [ ! -f "$npm_folder/node_modules/tcadif/package.json" ] || [ ! -f "$npm_folder/node_modules/adif-parser-ts/package.json" ]; then
    mkdir -p "$npm_folder"
    [ -f "$npm_folder/package.json" ] || echo '{"name": "quillon-adif-readers", "private": true}' > "$npm_folder/package.json"
    if ! (cd "$npm_folder" && timeout 300 npm install --no-audit --no-fund tcadif@2 adif-parser-ts@0.7 > npm.log 2>&1); then
        echo "SKIPPED: npm could not install tcadif and adif-parser-ts (is the npm registry reachable?); see $npm_folder/npm.log"
        exit 77
    fi
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$case_folder/log.asc" "$work/"
read -r -a arguments < "$case_folder/args"
(cd "$work" && "$convert" "${arguments[@]}" > /dev/null 2>&1)
NODE_PATH="$npm_folder/node_modules" node "$here/adif3-readers.js" "$work/log.asc" "$work/log.adi" "$work/bad.adi"
