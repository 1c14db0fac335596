#!/usr/bin/env bash
# The Debian package built a second time, in another folder, later and under
# another umask (002 against the usual 022): it must be the same bytes as the
# package workflow's. Then the download, with SHA256SUMS, in downloads/.
. "$(dirname "$0")/strict.sh"
cd "$(dirname "$0")/.."

build=build-package
again=$build-again
deb=velmora-editor_$(cat $build/version.txt)_$(dpkg --print-architecture).deb
[ -f "$build/$deb" ] || { echo "package-again: no $build/$deb (cmake --workflow --preset package makes it)" >&2; exit 1; }
rm -rf $again
(
    umask 002
    cmake --preset package -B $again >/dev/null
    cmake --build $again --target VelmoraEditor >/dev/null
    cd $again && cpack -G DEB >/dev/null
)
cmp "$build/$deb" "$again/$deb" ||
    { echo "package-again: two builds of one commit give different packages (umask 022 and 002)" >&2; exit 1; }
rm -f downloads/*.deb && mkdir -p downloads && cp "$build/$deb" downloads/
(cd downloads && sha256sum $(ls | grep -vx SHA256SUMS) >SHA256SUMS)
echo "package-again: $deb built twice, under umask 022 and 002, to the same bytes"
