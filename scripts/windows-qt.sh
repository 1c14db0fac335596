#!/usr/bin/env bash
# A static Qt for 64-bit Windows (MinGW-w64), built once from Debian's qt6-base
# source package and cached outside the repository. Prints the install folder
# on standard output (all else goes to standard error). Does nothing when that
# folder is already complete.
set -euo pipefail
exec 3>&1 1>&2
cd "$(dirname "$0")/.."
repo="$PWD"

version="$(dpkg-query -W -f='${Version}' qt6-base-dev-tools | sed 's/+.*//; s/-.*//')"
host_cmake=/usr/lib/x86_64-linux-gnu/cmake # Debian's host Qt, for moc, uic and rcc

# Only what the editor and its window tests use. tabletevent needs wintab.h,
# which Debian's source leaves out; dynamicgl is compiled even with OpenGL off.
options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_pkg_config=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF
    -DINPUT_opengl=no -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_testlib=ON
)
hash="$( (printf '%s\n' "$version" "${options[@]}"; cat cmake/mingw-w64.cmake) | sha256sum | cut -c1-12)"
prefix="${XDG_CACHE_HOME:-$HOME/.cache}/velmora/qt-$version-win64-$hash"

if [ -f "$prefix/.complete" ]; then
    echo "Qt for Windows: cached in $prefix"
    echo "$prefix" >&3
    exit 0
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
start=$(date +%s)

# A private apt setup with deb-src entries for this machine's release, made
# from its own source lists; the machine's apt configuration stays untouched.
. /etc/os-release
mkdir -p "$work/apt/lists/partial" "$work/apt/parts" "$work/apt/cache/archives/partial" "$work/src"
{
    # deb822 stanzas (Types/URIs/Suites/Components) and one-line "deb URI suite components"
    cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk -v release="$VERSION_CODENAME" '
        function flush() { if (types ~ /deb/ && uris != "") for (i = 1; i <= nsuites; i++)
            if (suite[i] ~ "^" release) { n = split(uris, u, " "); for (j = 1; j <= n; j++)
                print "deb-src " u[j] " " suite[i] " " comps }
            types = uris = comps = ""; nsuites = 0 }
        /^[[:space:]]*$/ { flush(); next }
        /^Types:/ { types = $0 } /^URIs:/ { sub(/^URIs:[[:space:]]*/, ""); uris = $0 }
        /^Suites:/ { sub(/^Suites:[[:space:]]*/, ""); nsuites = split($0, suite, " ") }
        /^Components:/ { sub(/^Components:[[:space:]]*/, ""); comps = $0 }
        END { flush() }'
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
        sed -E 's/\[[^]]*\]//' | awk -v release="$VERSION_CODENAME" '$1 == "deb" && $3 ~ "^" release { $1 = "deb-src"; print }'
} | sort -u > "$work/apt/sources.list"
if [ ! -s "$work/apt/sources.list" ]; then
    echo "No Debian source for $VERSION_CODENAME in the machine's apt lists" >&2
    exit 1
fi
apt_private=(
    -o "Dir::Etc::SourceList=$work/apt/sources.list"
    -o "Dir::Etc::SourceParts=$work/apt/parts"
    -o "Dir::State::Lists=$work/apt/lists"
    -o "Dir::Cache=$work/apt/cache"
)
# apt fetches as its own user where it can
[ "$(id -u)" -eq 0 ] && id _apt >/dev/null 2>&1 && chown _apt "$work/src" "$work/apt/lists/partial"
apt-get "${apt_private[@]}" update -qq
(cd "$work/src" && apt-get "${apt_private[@]}" source --download-only -qq "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)")
tar -xf "$work"/src/qt6-base_*.orig.tar.* -C "$work/src"
source_dir="$(find "$work/src" -mindepth 1 -maxdepth 1 -type d | head -1)"

rm -rf "$prefix"
cmake -S "$source_dir" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
    "${options[@]}"
cmake --build "$work/build"
cmake --install "$work/build"
touch "$prefix/.complete"

echo "Qt $version for Windows built in $(( ($(date +%s) - start) / 60 )) min $(( ($(date +%s) - start) % 60 )) s"
echo "$prefix" >&3
