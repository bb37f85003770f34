#!/usr/bin/env bash
# Proves the release package complete: unpacks dist/Vantoscope-win64.zip
# (made by package.sh) into the plug-in folder of the test prefix and loads
# the module from there with its editor open, the torture program playing
# host. The plug-in keeps nothing between runs but its log, which goes
# first, so the prefix is as good as a fresh one.
# Usage: test-package.sh <torture.exe>
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
torture=$1
zip=$root/dist/Vantoscope-win64.zip
[[ -f "$zip" ]] || { echo "package: no $zip; run scripts/package.sh first"; exit 1; }

source "$root/scripts/wine-env.sh"
ensure_display
ensure_prefix

plugins=$WINEPREFIX/drive_c/VstPlugins
rm -rf "$plugins/Vantoscope"
mkdir -p "$plugins"
(cd "$plugins" && cmake -E tar xf "$zip")

missing=0
expect() {
    if [[ ! -f "$plugins/Vantoscope/$1" ]]; then
        echo "package: $1 is missing"
        missing=1
    fi
}
expect Vantoscope.dll
expect UserGuide.md
expect LICENSE
if [[ -d "$root/Data" ]]; then
    while IFS= read -r file; do expect "Data/${file#"$root/Data/"}"; done \
        < <(find "$root/Data" -type f)
fi
((missing == 0)) || exit 1

log="$WINEPREFIX/drive_c/users/Public/Documents/Vantoscope Log.html"
rm -f "$log"
wine "$torture" --dll 'C:\VstPlugins\Vantoscope\Vantoscope.dll' --phase load --seed 2 --seconds 10

if [[ ! -s "$log" ]]; then
    echo "package: the plug-in wrote no log at $log"
    exit 1
fi
echo "package: loads from its zip"
