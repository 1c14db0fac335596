#!/usr/bin/env bash
# The whole program on Windows: built with MinGW-w64 against a static Qt
# (scripts/windows-qt.sh, cached), every test run under Wine in a fresh
# prefix, the window tests with Qt's windows plugin on an Xvfb display. Also
# writes the downloads into downloads/: VelmoraEditor-<version>-win64.zip, the
# installer VelmoraEditor-<version>-win64-setup.exe (installed, started and
# uninstalled here under Wine), both built twice to the same bytes, and SHA256SUMS.
# Catches text-mode streams, 8-bit code-page paths and 32-bit offsets, which
# break such editors on Windows most often, and what the real plugin changes.
. "$(dirname "$0")/strict.sh"
cd "$(dirname "$0")/.."

VELMORA_WINDOWS_QT="$(bash scripts/windows-qt.sh)"
export VELMORA_WINDOWS_QT

start=$(date +%s)
cmake --preset windows
cmake --build --preset windows
echo "Program and tests for Windows built in $(($(date +%s) - start)) s"

# Whatever the check starts or writes from here on goes when it ends, passed or
# failed: the Wine prefix, Wine's processes and the display.
work=""
xvfb=""
cleanup() {
    [ -z "$work" ] || timeout 30 wineserver -k >/dev/null 2>&1 || true
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
    [ -z "$work" ] || rm -rf "$work"
}
trap cleanup EXIT
work="$(mktemp -d)"
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8

# A display of its own, away from the low numbers desktops and other tools take.
display=$((200 + RANDOM % 300))
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >build-windows/xvfb.log 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    if [ -e "/tmp/.X11-unix/X$display" ] || ! kill -0 "$xvfb" 2>/dev/null; then break; fi
    sleep 0.1
done
if ! kill -0 "$xvfb" 2>/dev/null || [ ! -e "/tmp/.X11-unix/X$display" ]; then
    echo "windows-check: Xvfb did not come up on :$display within 10 s; build-windows/xvfb.log:" >&2
    cat build-windows/xvfb.log >&2
    exit 1
fi
export DISPLAY=":$display"
unset QT_QPA_PLATFORM

start=$(date +%s)
if ! wineboot --init >"$work/wineboot.log" 2>&1; then
    echo "windows-check: wineboot --init failed:" >&2
    cat "$work/wineboot.log" >&2
    exit 1
fi

# Only DLLs that come with Windows (Wine has them too): the executable runs
# with nothing beside it.
dlls="$(x86_64-w64-mingw32-objdump -p build-windows/app/VelmoraEditor.exe | sed -n 's/.*DLL Name: //p')"
if [ -z "$dlls" ]; then
    echo "windows-check: objdump found no DLL names in VelmoraEditor.exe" >&2
    exit 1
fi
for dll in $dlls; do
    case "$dll" in api-ms-win-*) continue ;; esac # API sets, resolved by the loader
    if [ -z "$(find "$WINEPREFIX/drive_c/windows/system32" -maxdepth 1 -iname "$dll")" ]; then
        echo "VelmoraEditor.exe needs $dll, which Windows does not have" >&2
        exit 1
    fi
done
# The tests, then the installer's (tests/windows-installer-test.sh). A test stuck on
# a lost display ends as a failure; Wine keeps its pipes open, so ctest gets an
# outer limit too.
timeout 1200 ctest --preset windows
if ! timeout 60 wineserver -w; then
    echo "windows-check: Wine was still running 60 s after the tests ended" >&2
    exit 1
fi
echo "Tests under Wine ran in $(($(date +%s) - start)) s"
# The benchmark, with a window manager: without one Wine waits about two seconds
# for every window it shows. The window manager ends with the display.
# Wine's notes on each file dialog go to a log, shown if the benchmark fails.
openbox >"$work/openbox.log" 2>&1 &
wine build-windows/bench/bench.exe 2>"$work/bench.log" || { cat "$work/bench.log" >&2; exit 1; }
# --- Reproducible: a build in another folder, later, gives the same ZIP and installer ---
version="$(cat build-windows/version.txt)"
downloads=("VelmoraEditor-$version-win64.zip" "VelmoraEditor-$version-win64-setup.exe")
again=build-windows-again
rm -rf $again
cmake --preset windows -B $again >/dev/null
# Its files as another builder would own them (a root-only change, as CI runs).
[ "$(id -u)" -ne 0 ] || chown -R 12345:12345 "$again/zip"
cmake --build $again --target windows_zip windows_installer >/dev/null
for download in "${downloads[@]}"; do
    cmp "build-windows/$download" "$again/$download" \
        || { echo "windows-check: two builds of one commit give different $download" >&2; exit 1; }
done
# The downloads, with SHA256SUMS over all of them (the .deb too), in downloads/.
rm -f downloads/VelmoraEditor-* && mkdir -p downloads && cp "${downloads[@]/#/build-windows/}" downloads/
(cd downloads && sha256sum $(ls | grep -vx SHA256SUMS) >SHA256SUMS)
for download in downloads/*; do echo "Wrote $download ($(stat -c %s "$download") bytes)"; done
