#!/usr/bin/env bash
# The whole program on Windows: built with MinGW-w64 against a static Qt
# (scripts/windows-qt.sh, cached), every test run under Wine in a fresh
# prefix, the window tests with Qt's windows plugin on an Xvfb display. Also
# writes the downloads into build-windows/: VelmoraEditor-<version>-win64.zip,
# the installer VelmoraEditor-<version>-win64-setup.exe (installed, started and
# uninstalled here under Wine) and SHA256SUMS.
# Catches text-mode streams, 8-bit code-page paths and 32-bit offsets, which
# break such editors on Windows most often, and what the real plugin changes.
set -euo pipefail
cd "$(dirname "$0")/.."

qt="$(bash scripts/windows-qt.sh)"

start=$(date +%s)
cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_PREFIX_PATH="$qt" -DCMAKE_FIND_ROOT_PATH="$qt;/usr/x86_64-w64-mingw32" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/x86_64-linux-gnu/cmake" \
    -DVELMORA_GTEST_SOURCE=/usr/src/googletest
cmake --build build-windows
echo "Program and tests for Windows built in $(($(date +%s) - start)) s"

export WINEPREFIX="$(mktemp -d)" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8
# A display of its own, away from the low numbers desktops and other tools take.
display=$((200 + RANDOM % 300))
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp > build-windows/xvfb.log 2>&1 &
xvfb=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
export DISPLAY=":$display"
unset QT_QPA_PLATFORM

start=$(date +%s)
wineboot --init >/dev/null 2>&1

# Only DLLs that come with Windows (Wine has them too): the executable runs
# with nothing beside it.
for dll in $(x86_64-w64-mingw32-objdump -p build-windows/app/VelmoraEditor.exe | sed -n 's/.*DLL Name: //p'); do
    case "$dll" in api-ms-win-*) continue ;; esac # API sets, resolved by the loader
    if [ -z "$(find "$WINEPREFIX/drive_c/windows/system32" -maxdepth 1 -iname "$dll")" ]; then
        echo "VelmoraEditor.exe needs $dll, which Windows does not have" >&2
        exit 1
    fi
done
# A test stuck on a lost display ends as a failure; Wine keeps its pipes open, so
# ctest gets an outer limit too.
timeout 1200 ctest --test-dir build-windows --output-on-failure --timeout 600
wineserver -w
echo "Tests under Wine ran in $(($(date +%s) - start)) s"
bash scripts/windows-installer-check.sh build-windows
version="$(sed -n 's/^project(VelmoraEditor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
(cd build-windows && sha256sum "VelmoraEditor-$version-win64.zip" "VelmoraEditor-$version-win64-setup.exe" > SHA256SUMS)
for download in build-windows/VelmoraEditor-"$version"-win64{.zip,-setup.exe} build-windows/SHA256SUMS; do
    echo "Wrote $download ($(stat -c %s "$download") bytes)"
done
