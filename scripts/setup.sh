#!/usr/bin/env bash
# Installs every Debian package that the build, the tests and the demo need.
# Does nothing when they are all there already. Run as root.
set -euo pipefail

packages=(
    # native build and tests
    build-essential cmake clang-format googletest libgtest-dev libbenchmark-dev libfftw3-dev
    # an independent loudness meter for the tests and the benchmark
    libebur128-dev
    # the Windows module: the posix-threads flavour of mingw-w64
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    # running it: Wine on a virtual display with Mesa's drivers
    wine wine64 xvfb xauth x11-utils libgl1-mesa-dri
    # picture decoding for the renderer, screenshots for inspection
    libstb-dev imagemagick
    # the release package
    zip
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q "${missing[@]}"
