#!/usr/bin/env bash
# The main job: builds the Windows module and runs it in our host under
# Wine, printing what the host sees.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/setup.sh

cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake >/dev/null
cmake --build build/win -j "$(nproc)" --target Vantoscope vsthost
WINEPREFIX="$root/build/win/wineprefix" scripts/wine-run.sh build/win/bin/vsthost.exe
