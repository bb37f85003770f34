#!/usr/bin/env bash
# Builds the plug-in for release and packs dist/Vantoscope-win64.zip: the
# module without debug information, its Data folder, the user guide and the
# licence. The debug information is kept beside the zip, in
# dist/Vantoscope.dll.debug, to read crash addresses of the shipped module.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/setup.sh

build=build/release
stage=$build/package/Vantoscope
prefix=x86_64-w64-mingw32

# Optimised as Release, compiled with debug information only so that it can
# be split off below.
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O3 -DNDEBUG -g" >/dev/null
cmake --build "$build" -j "$(nproc)" --target Vantoscope
cmake -DDLL="$build/bin/Vantoscope.dll" -DOBJDUMP=$prefix-objdump \
    -P cmake/CheckDllImports.cmake

rm -rf "$build/package" dist/Vantoscope-win64.zip dist/Vantoscope.dll.debug
mkdir -p "$stage" dist
$prefix-objcopy --only-keep-debug "$build/bin/Vantoscope.dll" dist/Vantoscope.dll.debug
$prefix-strip --strip-debug --strip-unneeded "$build/bin/Vantoscope.dll" \
    -o "$stage/Vantoscope.dll"
$prefix-objcopy --add-gnu-debuglink=dist/Vantoscope.dll.debug "$stage/Vantoscope.dll"
if [[ -d Data ]]; then cp -r Data "$stage/Data"; fi
cp docs/UserGuide.md LICENSE "$stage/"

# Fixed time stamps and no extra attributes: the same sources give the same zip.
find "$stage" -exec touch -d "2000-01-01 00:00:00" {} +
(cd "$build/package" && find Vantoscope | sort | zip -q -X -D "$root/dist/Vantoscope-win64.zip" -@)
echo "package: dist/Vantoscope-win64.zip ($(du -h dist/Vantoscope-win64.zip | cut -f1))," \
    "symbols in dist/Vantoscope.dll.debug"
