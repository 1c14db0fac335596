#!/usr/bin/env bash
# One whole session as a user has it, with real keys on a real display and a
# fresh home: the start-up dialog cancelled, a ROM file opened, one edit applied
# in the Character Stat Editor, About, Close ROM, Open ROM File on the name the
# dialog offers, Close ROM, Open ROM File cancelled, Quit. The real file dialog
# is used, opened and closed every way.
# Nothing may be written but the ROM file: the home stays empty (under Wine: no
# key under HKCU\Software\QtProject, and no recent item names the ROM).
#   session-test.sh <program>           on Linux, on the display in DISPLAY
#   session-test.sh wine <program.exe>  under Wine, in WINEPREFIX
. "$(dirname "$0")/../scripts/strict.sh"

fail() { echo "Session check: $*" >&2; exit 1; }

wine=""
[ "$1" = wine ] && { wine=wine; shift; }
program="$1"
[ -n "${DISPLAY:-}" ] || fail "needs a display (DISPLAY)"
work="$(mktemp -d)"
pid=""
wm=""
trap 'kill $pid $wm 2>/dev/null || true; rm -rf "$work"' EXIT

# A window manager gives the windows focus as a desktop does.
openbox >/dev/null 2>&1 &
wm=$!

# A US image: the game title at 0xA0, the region letter E at 0xAF.
rom="$work/roms/rom.gba"
mkdir -p "$work/roms" "$work/home"
head -c 1048576 /dev/zero >"$rom"
printf 'VELMORA' | dd of="$rom" bs=1 seek=$((0xA0)) conv=notrunc status=none
printf 'E' | dd of="$rom" bs=1 seek=$((0xAF)) conv=notrunc status=none
cp "$rom" "$work/original.gba"
name="$rom"
[ -z "$wine" ] || name="$(winepath -w "$rom" 2>/dev/null)"

wait_for() { # a visible window whose title matches
    timeout 60 xdotool search --sync --onlyvisible --name "$1" >/dev/null ||
        fail "no window titled '$1' within 60 s"
    sleep 0.5
}
press() { xdotool key --clearmodifiers --delay 150 "$@"; sleep 0.3; }

registry() { # HKCU as text, into $1
    wine reg export HKCU "$1.reg" >/dev/null 2>&1 || fail "cannot read the registry"
    iconv -f UTF-16 -t UTF-8 "$1.reg" | tr -d '\r' >"$1"
}

if [ -n "$wine" ]; then
    registry "$work/before"
    wine "$program" &
else
    HOME="$work/home" XDG_CONFIG_HOME="" XDG_DATA_HOME="" XDG_CACHE_HOME="" XDG_STATE_HOME="" \
        "$program" &
fi
pid=$!

wait_for '^Open$'
press Escape # the start-up dialog cancelled: no ROM open
wait_for '^Velmora Editor \(v'
press ctrl+o
wait_for '^Open$'
xdotool type --delay 20 "$name"
press Return
wait_for ' - VELMORA$'
press ctrl+F1
wait_for '^Character Stats Editor$'
press Tab ctrl+a 4 2 shift+Tab shift+Tab shift+Tab space # LV 42, then Apply
press Escape
press F12
wait_for '^About this Program'
press Return
press ctrl+w
press ctrl+o
wait_for '^Open$'
press Return # the dialog offers the previous choice
wait_for ' - VELMORA$'
press ctrl+w
press ctrl+o
wait_for '^Open$'
press Escape # cancelled: the previous choice is opened again
wait_for ' - VELMORA$'
press ctrl+q
for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -0 $pid 2>/dev/null && fail "the program did not end on Ctrl+Q"
wait $pid || fail "the program ended with code $?"
pid=""

# The one edit, and nothing else.
printf '\x2a' | dd of="$work/original.gba" bs=1 seek=$((0xF2AD8)) conv=notrunc status=none
cmp "$rom" "$work/original.gba" || fail "the ROM file does not hold just the edit (LV 42 of Charcter 1)"
if [ -n "$wine" ]; then
    timeout 60 wineserver -w
    registry "$work/after"
    echo "HKCU, what the session changed (Wine's own keys included):"
    diff "$work/before" "$work/after" >"$work/registry.diff" || true
    sed -n 's/^\([<>]\) /  \1 /p' "$work/registry.diff"
    if wine reg query 'HKCU\Software\QtProject' >/dev/null 2>&1; then
        fail "the session left HKCU\\Software\\QtProject"
    fi
    recent="$(find "$WINEPREFIX/drive_c/users" -path '*Recent*' -iname '*rom.gba*' 2>/dev/null)"
    [ -z "$recent" ] || fail "the session left recent items: $recent"
else
    left="$(find "$work/home" -mindepth 1)"
    [ -z "$left" ] || fail "the session left in the home folder: $left"
fi
echo "Session checked: one edit applied, nothing written but the ROM file"
