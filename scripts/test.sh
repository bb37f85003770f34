#!/usr/bin/env bash
# Builds and runs every test: the native suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, the native suite under ThreadSanitizer, and the
# Windows module with its tests under Wine.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/setup.sh

jobs=$(nproc)

build_and_test() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

build_and_test build/native-asan -DVANTOSCOPE_SANITIZE=address,undefined
TSAN_OPTIONS="halt_on_error=1" build_and_test build/native-tsan -DVANTOSCOPE_SANITIZE=thread
build_and_test build/win -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake
