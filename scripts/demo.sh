#!/usr/bin/env bash
# The main job: builds the plug-in and our demo host, then plays a piece of
# synthesised music through the plug-in under Wine with its editor open,
# pressing its controls like a user, and writes pictures of what it shows to
# build/demo (the best waterfall view also to docs/vantoscope.png).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/setup.sh

cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake >/dev/null
cmake --build build/win -j "$(nproc)" --target Vantoscope vantoscope_demo

out=build/demo
rm -rf "$out"
mkdir -p "$out"
echo "Playing the demo music through Vantoscope under Wine (about a minute)..."
status=0
WINEPREFIX="$root/build/win/wineprefix" scripts/wine-run.sh build/win/bin/vantoscope_demo.exe \
    "$out" || status=$?

# The scrolling waterfall as an animated picture, at the pace it was recorded.
if compgen -G "$out/scrolling/frame-*.png" >/dev/null; then
    convert -delay 8 -loop 0 "$out"/scrolling/frame-*.png -layers Optimize "$out/waterfall.gif"
    rm -r "$out/scrolling"
    printf '  %-34s %s\n' "$out/waterfall.gif" "a few seconds of the waterfall scrolling"
else
    echo "No scrolling frames were recorded."
    status=1
fi
if [[ -f "$out/waterfall-reset.png" ]]; then
    mkdir -p docs
    cp "$out/waterfall-reset.png" docs/vantoscope.png
    printf '  %-34s %s\n' docs/vantoscope.png "the README's picture, from this run"
fi
echo "Pictures are in $root/$out"
exit "$status"
