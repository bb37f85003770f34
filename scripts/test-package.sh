#!/usr/bin/env bash
# Proves the release package complete: builds dist/Vantoscope-win64.zip,
# unpacks it into the plug-in folder of a fresh Wine prefix and loads the
# module from there with its editor open, the torture program playing host.
# Usage: test-package.sh <torture.exe> <work folder>
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
torture=$1
work=$2

bash "$root/scripts/package.sh"

rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX=$work/wineprefix
"$root/scripts/wine-run.sh" cmd /c exit
# As in the other test prefixes: no crash dialog waiting for a user, and no
# Direct3D command-stream thread, which was seen to deadlock under Wine.
"$root/scripts/wine-run.sh" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog \
    /t REG_DWORD /d 0 /f >/dev/null
"$root/scripts/wine-run.sh" reg add 'HKCU\Software\Wine\Direct3D' /v csmt \
    /t REG_DWORD /d 0 /f >/dev/null

plugins=$WINEPREFIX/drive_c/VstPlugins
mkdir -p "$plugins"
(cd "$plugins" && cmake -E tar xf "$root/dist/Vantoscope-win64.zip")

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

"$root/scripts/wine-run.sh" "$torture" --dll 'C:\VstPlugins\Vantoscope\Vantoscope.dll' \
    --phase load --seed 2 --seconds 10

log="$WINEPREFIX/drive_c/users/Public/Documents/Vantoscope Log.html"
if [[ ! -s "$log" ]]; then
    echo "package: the plug-in wrote no log at $log"
    exit 1
fi
echo "package: loads from its zip"
