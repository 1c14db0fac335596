#!/usr/bin/env bash
# The Debian package the package workflow built (cmake --workflow --preset
# package: configure, build, package, then this check as its test): its control
# data, the files it installs and nothing else, the desktop entry, metainfo and
# icons, lintian, and the unpacked program starting offscreen. Builds nothing
# and never installs the package on this machine.
#   package-check.sh <build folder>
. "$(dirname "$0")/strict.sh"
cd "$(dirname "$0")/.."

id=org.example.velmora_editor
sizes=(16 32 48 64 128 256)
arch=$(dpkg --print-architecture)
build=${1:?usage: package-check.sh <build folder>}

fail() { echo "package-check: FAIL: $*" >&2; exit 1; }

work=""
pid=""
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    if [ -n "$work" ]; then rm -rf "$work"; fi
}
trap cleanup EXIT
work=$(mktemp -d)
version=$(cat "$build/version.txt")
deb=$build/velmora-editor_${version}_$arch.deb
[ -f "$deb" ] || fail "no $deb: the package step of the package workflow makes it"

# What it installs: exactly these files under /usr, no more.
dpkg-deb -x "$deb" "$work/root"
prefix=$work/root/usr
expected=(bin/velmora-editor share/applications/$id.desktop share/metainfo/$id.metainfo.xml
    share/doc/velmora-editor/copyright share/doc/velmora-editor/changelog.gz share/man/man1/velmora-editor.1.gz)
for n in "${sizes[@]}"; do expected+=(share/icons/hicolor/${n}x${n}/apps/$id.png); done
installed=$(cd "$work/root" && find . -type f -printf '%P\n' | sed 's|^usr/||' | sort)
[ "$installed" = "$(printf '%s\n' "${expected[@]}" | sort)" ] \
    || fail "the package installs other files than the expected ones:"$'\n'"$installed"

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate: $desktop"
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || { echo "$report"; fail "appstreamcli validate: $metainfo"; }
# The entry starts the installed command and shows the installed icon.
grep -qx "Exec=velmora-editor" "$desktop" || fail "Exec= is not the installed command"
grep -qx "Icon=$id" "$desktop" || fail "Icon= is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "the metainfo does not launch $id.desktop"
release=$(sed -n '/<release /{s/.*<release version="\([^"]*\)".*/\1/p;q}' "$metainfo")
[ "$release" = "$version" ] || fail "metainfo release '$release' is not the project version $version"

# PNG signature, then width and height (big-endian) in the IHDR chunk.
for n in "${sizes[@]}"; do
    icon=$prefix/share/icons/hicolor/${n}x${n}/apps/$id.png
    header=$(od -An -tx1 -N24 "$icon" | tr -d ' \n')
    [ "${header:0:16}" = 89504e470d0a1a0a ] || fail "not a PNG: $icon"
    [ $((16#${header:32:8}))x$((16#${header:40:8})) = ${n}x${n} ] \
        || fail "$icon is $((16#${header:32:8}))x$((16#${header:40:8})), not ${n}x${n}"
done

# The package's control data.
[ "$(dpkg-deb -f "$deb" Package)" = velmora-editor ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$arch" ] || fail "package architecture"
depends=$(dpkg-deb -f "$deb" Depends)
[[ "$depends" =~ (^|[ ,])libqt6widgets6([ ,]|$) ]] || fail "Depends lacks libqt6widgets6: $depends"
[[ "$depends" != *libasan* && "$depends" != *libubsan* ]] || fail "Depends names a sanitizer: $depends"
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] && [ -n "$(dpkg-deb -f "$deb" Description)" ] \
    || fail "Maintainer or Description missing"

# The unpacked program starts: it loads Qt's platform plug-in and, past the
# splash, waits in its event loop with the file-open dialog. Seen waiting in
# poll() twice, half a second apart, and alive all along; given 20 s.
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work "$work/root/usr/bin/velmora-editor" >"$work/log" 2>&1 &
pid=$!
waiting() { grep -q libqoffscreen "/proc/$pid/maps" && grep -q poll "/proc/$pid/wchan"; } 2>/dev/null
seen=0
for _ in $(seq 200); do
    if ! kill -0 "$pid" 2>/dev/null; then
        status=0
        wait "$pid" || status=$?
        pid=""
        cat "$work/log"
        fail "the unpacked program ended on its own (exit status $status)"
    fi
    if waiting; then
        seen=$((seen + 1))
        [ "$seen" -lt 2 ] || break
        sleep 0.5
    else
        sleep 0.1
    fi
done
[ "$seen" -ge 2 ] || { cat "$work/log"; fail "the unpacked program did not reach its event loop within 20 s"; }
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""

lintian --pedantic --display-info --fail-on error,warning "$deb" \
    || fail "lintian found errors or warnings in $deb"
echo "package-check: PASS ($(basename "$deb"), $(wc -l <<<"$installed") files installed)"
