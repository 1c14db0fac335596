#!/usr/bin/env bash
# Installs the Debian packages that are missing (and only those).
#   install-deps.sh editor   what building and running the editor needs
#   install-deps.sh package  that, plus the tools that build and check the Debian package
#   install-deps.sh tests    all that, plus GoogleTest and the Windows check (MinGW-w64, what
#                            building Qt for Windows needs, Wine, Xvfb, NSIS, a window
#                            manager for the benchmark under Wine, clang's libFuzzer and
#                            coverage tools for the fuzz targets), and the screen reader
#                            Orca with what tests/orca drives it by
. "$(dirname "$0")/strict.sh"

packages=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-dejavu-core)
case "${1:-editor}" in
package) packages+=(dpkg-dev desktop-file-utils appstream lintian) ;;
tests) packages+=(dpkg-dev desktop-file-utils appstream lintian
    googletest libgtest-dev qt6-base-private-dev g++-mingw-w64-x86-64-posix qt6-base-dev-tools perl xz-utils
    wine wine64 xvfb xdotool clang-format nsis x11-utils openbox clang-14 libclang-rt-14-dev llvm-14
    orca at-spi2-core dbus-daemon strip-nondeterminism) ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
