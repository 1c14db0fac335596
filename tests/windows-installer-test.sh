#!/usr/bin/env bash
# The Windows installer under Wine, in the Windows check's prefix and display
# (WINEPREFIX, DISPLAY; a test, label package, of the windows preset): a silent
# install for the current user, its files, shortcut and every value of its
# Uninstall entry; the installed program started until its file dialog shows; a
# silent uninstall with the entry's own command, and nothing of it left. Then the
# same for all users into a folder given with /D= that already holds a ROM file,
# which must survive, as must one beside the folder.
#   windows-installer-test.sh <build folder>
. "$(dirname "$0")/../scripts/strict.sh"
cd "$(dirname "$0")/.."

fail() { echo "Installer check: $*" >&2; exit 1; }

build="$1"
version="$(cat "$build/version.txt")"
setup="$build/VelmoraEditor-$version-win64-setup.exe"
stage="$build/installer"
[ -n "${WINEPREFIX:-}" ] && [ -n "${DISPLAY:-}" ] || fail "needs WINEPREFIX and DISPLAY (run scripts/windows-check.sh)"
[ -f "$setup" ] || fail "$setup is missing (makensis, from the nsis package, writes it)"
# Shortcuts in the prefix would otherwise show up in this machine's own menus.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"

key='Software\Microsoft\Windows\CurrentVersion\Uninstall\VelmoraEditor'
files=(LICENSE.txt README.txt Uninstall.exe VelmoraEditor.exe)
work="$(mktemp -d)"
editor=""
trap '[ -z "$editor" ] || kill $editor 2> /dev/null; rm -rf "$work"' EXIT

unix() { # C:\a\b -> the file in the prefix
    local path="${1#C:\\}"
    echo "$WINEPREFIX/drive_c/${path//\\//}"
}

env_var() { grep -i "^$1=" "$work/env" | cut -d= -f2-; }

# The registry values as Wine lists them, one "name type value" a line, sorted.
registry() {
    wine reg query "$1\\$key" | tr -d '\r' | sed -n 's/^    \(.*\)/\1/p' | sed 's/    / /g' | sort
}

check_installed() { # hive, folder, Start menu folder, mode, files the folder held before
    local hive="$1" dir="$2" menu="$3" mode="$4" kept="$5"
    local listed expected size=0 file
    listed="$(ls -A "$(unix "$dir")" | tr '\n' ' ')"
    expected="$(printf '%s\n' "${files[@]}" ${kept:+"$kept"} | sort | tr '\n' ' ')"
    [ "$listed" = "$expected" ] || fail "$dir holds '$listed', expected '$expected'"
    cmp "$(unix "$dir")/VelmoraEditor.exe" "$stage/VelmoraEditor.exe"
    cmp "$(unix "$dir")/README.txt" "$stage/README.txt"
    cmp "$(unix "$dir")/LICENSE.txt" LICENSE

    local lnk
    lnk="$(unix "$menu")/Velmora Editor.lnk"
    [ -f "$lnk" ] || fail "no Start menu shortcut $menu\\Velmora Editor.lnk"
    strings "$lnk" | grep -xF "$dir\\VelmoraEditor.exe" > /dev/null ||
        fail "the shortcut does not start $dir\\VelmoraEditor.exe"
    strings -el "$lnk" | grep -F "$dir\\VelmoraEditor.exe" > /dev/null ||
        fail "the shortcut does not take its icon from $dir\\VelmoraEditor.exe"

    for file in "${files[@]}"; do size=$((size + $(stat -c %s "$(unix "$dir")/$file"))); done
    sort > "$work/expected" <<EOF
DisplayIcon REG_SZ $dir\\VelmoraEditor.exe
DisplayName REG_SZ Velmora Editor
DisplayVersion REG_SZ $version
EstimatedSize REG_DWORD $(printf '0x%x' $(((size + 1023) / 1024)))
InstallLocation REG_SZ $dir
NoModify REG_DWORD 0x1
NoRepair REG_DWORD 0x1
Publisher REG_SZ The Velmora Editor authors
QuietUninstallString REG_SZ "$dir\\Uninstall.exe" /$mode /S
UninstallString REG_SZ "$dir\\Uninstall.exe" /$mode
EOF
    registry "$hive" > "$work/actual"
    diff -u "$work/expected" "$work/actual" > "$work/diff" ||
        fail "$hive\\$key differs from what it should hold:$(echo; cat "$work/diff")"
}

# Runs the QuietUninstallString of the entry check_installed read, and waits
# for the uninstaller's copy in the temporary folder to finish.
uninstall() {
    local command program
    command="$(sed -n 's/^QuietUninstallString REG_SZ //p' "$work/actual")"
    program="${command#\"}"
    program="${program%%\"*}"
    # shellcheck disable=SC2086 # the arguments split as Windows splits them
    wine "$program" ${command##*\"} || fail "$command ended with code $?"
    timeout 120 wineserver -w || fail "the uninstaller did not finish within 120 s"
}

check_removed() { # hive, Start menu folder
    local hive="$1" menu="$2"
    [ ! -e "$(unix "$menu")/Velmora Editor.lnk" ] || fail "the uninstaller left the shortcut"
    if wine reg query "$hive\\$key" > /dev/null 2>&1; then
        fail "the uninstaller left $hive\\$key"
    fi
}

# The file dialog: a window of the program on screen titled Open (the system's
# Open dialog, shown before the main window is).
dialog_shown() {
    local window
    for window in $(xwininfo -root -tree | awk '/\("velmoraeditor\.exe"/ && /"Open"/ { print $1 }'); do
        # A window may be gone by now.
        xwininfo -id "$window" 2> /dev/null | grep -F IsViewable > /dev/null && return 0
    done
    return 1
}

start=$(date +%s)
wine cmd /c set | tr -d '\r' > "$work/env"
local_dir="$(env_var LOCALAPPDATA)\\Programs\\Velmora Editor"
user_menu="$(env_var APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs"
common_menu="$(env_var ProgramData)\\Microsoft\\Windows\\Start Menu\\Programs"

echo "Installing $setup silently for the current user"
wine "$setup" /S || fail "$setup /S ended with code $?"
check_installed HKCU "$local_dir" "$user_menu" CurrentUser ""

echo "Starting the installed Velmora Editor"
wine "$local_dir\\VelmoraEditor.exe" &
editor=$!
for _ in $(seq 120); do
    dialog_shown && break
    kill -0 $editor 2> /dev/null || fail "the installed VelmoraEditor.exe ended before showing its file dialog"
    sleep 0.5
done
dialog_shown ||
    fail "the installed VelmoraEditor.exe showed no file dialog within 60 s"
sleep 2
kill -0 $editor 2> /dev/null || fail "the installed VelmoraEditor.exe ended with its file dialog open"
dialog_shown || fail "the file dialog of the installed VelmoraEditor.exe closed by itself"
kill $editor
wait $editor || true
editor=""
if wine reg query 'HKCU\Software\QtProject' >/dev/null 2>&1; then
    fail "the installed VelmoraEditor.exe left HKCU\\Software\\QtProject in the registry"
fi

echo "Uninstalling silently"
uninstall
check_removed HKCU "$user_menu"
[ ! -e "$(unix "$local_dir")" ] ||
    fail "the uninstaller left $local_dir holding: $(ls -A "$(unix "$local_dir")" | tr '\n' ' ')"
left="$(find "$WINEPREFIX/drive_c" -iname '*velmora*')"
[ -z "$left" ] || fail "left after uninstalling: $left"

echo "Installing for all users into C:\\Games\\Velmora, which holds a ROM file"
games="$(unix 'C:\Games')"
mkdir -p "$games/Velmora"
head -c 65536 /dev/urandom > "$work/rom.gba"
cp "$work/rom.gba" "$games/Velmora/Velmora.gba"
cp "$work/rom.gba" "$games/Other.gba"
wine "$setup" /S /AllUsers '/D=C:\Games\Velmora' || fail "$setup /S /AllUsers /D= ended with code $?"
check_installed HKLM 'C:\Games\Velmora' "$common_menu" AllUsers Velmora.gba
uninstall
check_removed HKLM "$common_menu"
[ -f "$games/Velmora/Velmora.gba" ] || fail "the uninstaller deleted C:\\Games\\Velmora\\Velmora.gba, a ROM file kept in its folder"
listed="$(ls -A "$games/Velmora" | tr '\n' ' ')"
[ "$listed" = "Velmora.gba " ] || fail "after uninstalling, C:\\Games\\Velmora holds '$listed', not just the ROM file"
cmp "$work/rom.gba" "$games/Velmora/Velmora.gba"
cmp "$work/rom.gba" "$games/Other.gba"
rm -rf "$games"

echo "Installer checked under Wine in $(($(date +%s) - start)) s: install, start and uninstall, per user and for all users"
