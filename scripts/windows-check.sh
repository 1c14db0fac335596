#!/usr/bin/env bash
# The core on Windows: built with MinGW-w64 (statically), its tests run under
# Wine in a fresh prefix. Catches text-mode streams, 8-bit code-page paths and
# 32-bit offsets, which break such editors on Windows most often.
set -euo pipefail
cd "$(dirname "$0")/.."

export WINEPREFIX="$(mktemp -d)" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$WINEPREFIX"' EXIT

cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DVELMORA_CORE_ONLY=ON \
    -DVELMORA_GTEST_SOURCE=/usr/src/googletest
cmake --build build-windows
wineboot --init >/dev/null 2>&1
ctest --test-dir build-windows --output-on-failure
wineserver -w
