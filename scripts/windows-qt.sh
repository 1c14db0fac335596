#!/usr/bin/env bash
# A static Qt for 64-bit Windows (MinGW-w64), built once from Debian's qt6-base
# source package and cached outside the repository. Prints the install folder
# on standard output (all else goes to standard error). Does nothing when that
# folder is already complete; two runs at once build it once.
. "$(dirname "$0")/strict.sh"
exec 3>&1 1>&2
cd "$(dirname "$0")/.."
repo="$PWD"

# The source of the machine's own Qt, at its source version (a binary-only
# rebuild has a version of its own).
source_package="$(dpkg-query -W -f='${source:Package}' qt6-base-dev-tools)"
source_version="$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools)"
version="$(echo "$source_version" | sed 's/+.*//; s/-.*//')"
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
    # Compiled for size, not -O3: a shorter build and a smaller download.
    -DFEATURE_optimize_size=ON
    # Plug-ins nothing loads: the windows platform plug-in draws (no Direct2D
    # plug-in, no FreeType, hence no offscreen plug-in); the pictures are PNG
    # resources. direct2d itself stays: Gui's DirectWrite font engine needs it.
    -DFEATURE_direct2d1_1=OFF -DFEATURE_freetype=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
    # Documents, widgets, dialogs and a style no window shows. Accessibility
    # (the window tests read it) and the Windows styles stay.
    -DFEATURE_pdf=OFF -DFEATURE_textodfwriter=OFF
    -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_graphicsview=OFF -DFEATURE_mdiarea=OFF -DFEATURE_calendarwidget=OFF
    -DFEATURE_datetimeedit=OFF -DFEATURE_colordialog=OFF -DFEATURE_fontdialog=OFF
    -DFEATURE_wizard=OFF -DFEATURE_style_fusion=OFF
)
# The toolchain's settings, not its comments, make a different Qt.
hash="$( (printf '%s\n' "$version" "${options[@]}"; grep -v '^[[:space:]]*#' cmake/mingw-w64.cmake) |
    sha256sum | cut -c1-12)"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/velmora"
prefix="$cache/qt-$version-win64-$hash"

cached() {
    [ -f "$prefix/.complete" ] || return 1
    echo "Qt for Windows: cached in $prefix"
    echo "$prefix" >&3
}
cached && exit 0

# One build per prefix at a time; a second run waits and then finds it cached.
mkdir -p "$cache"
exec 9>"$prefix.lock"
if ! flock -n 9; then
    echo "Another run is building $prefix; waiting for it"
    flock 9
fi
cached && exit 0

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
start=$(date +%s)

# A private apt setup with deb-src entries for this machine's release, made
# from its own archive entries; the machine's apt configuration stays untouched.
mkdir -p "$work/apt/lists/partial" "$work/apt/parts" "$work/apt/cache/archives/partial" "$work/src"
bash "$repo/scripts/deb-src-lines.sh" >"$work/apt/sources.list"
echo "Qt source from:" && sed 's/^/    /' "$work/apt/sources.list"
apt_private=(
    -o "Dir::Etc::SourceList=$work/apt/sources.list"
    -o "Dir::Etc::SourceParts=$work/apt/parts"
    -o "Dir::State::Lists=$work/apt/lists"
    -o "Dir::Cache=$work/apt/cache"
)
# apt fetches as its own user where it can
[ "$(id -u)" -eq 0 ] && id _apt >/dev/null 2>&1 && chown _apt "$work/src" "$work/apt/lists/partial"
apt-get "${apt_private[@]}" update -qq ||
    echo "apt-get update failed for some entries (above); fetching the source from the others"
(cd "$work/src" && apt-get "${apt_private[@]}" source --download-only -qq "$source_package=$source_version")
tar -xf "$work/src/${source_package}_"*.orig.tar.* -C "$work/src"
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
