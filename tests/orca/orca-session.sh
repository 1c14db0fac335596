#!/usr/bin/env bash
# Runs the screen reader Orca against the editor and prints what it spoke.
#   orca-session.sh [--expect PREFIX] [--max-delay SECONDS] BUILD_DIR [OUTPUT_DIR]
# BUILD_DIR holds app/velmora-editor and tools/makesample. Two passes, each on
# an X display, D-Bus session, HOME and Orca settings of its own: "defaults"
# (Orca's own settings), then "nodescriptions" (object descriptions not
# spoken). Keys only, pressed through xdotool; after each step comes what Orca
# spoke, from its debug log, and after the start-up the time from the file
# dialog showing to Orca's first utterance.
#   --expect PREFIX       fail unless each pass says what PREFIX-<pass>.txt
#                         says (the delay lines aside)
#   --max-delay SECONDS   fail if that first utterance came later
# With OUTPUT_DIR, each pass is also written to <pass>.txt there.
. "$(dirname "$0")/../../scripts/strict.sh"

usage="usage: orca-session.sh [--expect PREFIX] [--max-delay SECONDS] BUILD_DIR [OUTPUT_DIR]"
expect="" max_delay=""
while [ $# -gt 0 ]; do
    case $1 in
    --expect) expect=${2:?$usage} && shift 2 ;;
    --max-delay) max_delay=${2:?$usage} && shift 2 ;;
    -*) echo "$usage" >&2 && exit 2 ;;
    *) break ;;
    esac
done
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?$usage}" && pwd)
output=${2:-}
editor=$build/app/velmora-editor
python=/usr/bin/python3 # Debian's, with pyatspi and Orca, whatever python3 the PATH finds first
for tool in Xvfb openbox xprop dbus-daemon xdotool "$python" /usr/bin/orca "$editor" "$build/tools/makesample"; do
    command -v "$tool" >/dev/null || { echo "orca-session.sh: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d /tmp/orca-session.XXXXXX)
pids=() # everything started, in order; stopped last first
stop_all() {
    local i pid tries
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        pid=${pids[i]}
        if kill "$pid" 2>/dev/null; then
            for tries in $(seq 50); do
                kill -0 "$pid" 2>/dev/null || break
                sleep 0.1
            done
            # Orca, left with events of an editor that is gone, may never act on TERM.
            kill -KILL "$pid" 2>/dev/null || true
        fi
        wait "$pid" 2>/dev/null || true
    done
    pids=()
}
# After a failure the logs stay, to see what Orca and the editor did.
trap 'status=$?; stop_all; if [ $status -eq 0 ]; then rm -rf "$work"; else echo "orca-session.sh: logs kept in $work" >&2; fi' EXIT
trap 'exit 1' INT TERM HUP

step=setup pass=none
# Says what failed and where, with the transcript so far and the end of each
# log named after the message.
fail() {
    echo "orca-session.sh: pass '$pass', step '$step': $1" >&2
    shift
    if [ -s "$work/$pass.txt" ]; then
        echo "--- the transcript so far:" >&2
        cat "$work/$pass.txt" >&2
    fi
    local file
    for file in "$@"; do
        echo "--- the end of $(basename "$file"):" >&2
        tail -n 20 "$file" >&2 || true
    done
    exit 1
}

# The image: the US sample with character 1 right-handed, at HP 31523 (five
# digits), and holding in the right hand an item id no list entry names.
"$build/tools/makesample" "$work/sample" >/dev/null
rm "$work/sample/Velmora (Japan).gba"
image_name="Velmora (USA).gba"
poke() { # offset in the first character record, bytes
    printf "$2" | dd of="$work/sample/$image_name" bs=1 seek=$((0xF2AD8 + $1)) conv=notrunc status=none
}
poke 1 '\x00'     # Primary Hand: right
poke 2 '\x23\x7b' # HP: 31523
poke 16 '\x05\xff' # R-Hand: 0xFF05

# A key held down for 0.1 s, as a person presses it: Orca misses instant ones.
press() {
    xdotool keydown "$1" sleep 0.1 keyup "$1"
}

# The keys that type a text.
keys_for() {
    local text=$1 i c
    for ((i = 0; i < ${#text}; i++)); do
        c=${text:i:1}
        case $c in
        ' ') echo space ;;
        '(') echo parenleft ;;
        ')') echo parenright ;;
        '.') echo period ;;
        *) echo "$c" ;;
        esac
    done
}

log_size() { stat -c %s "$work/orca.log"; }

# What Orca spoke since byte $1 of its log: "time<TAB>kind<TAB>text" lines.
said() { "$python" "$here/session-helper.py" said "$work/orca.log" "$1"; }

# Whether Orca's log holds each of the patterns given after byte $1.
holds() {
    local from=$1 pattern
    shift
    for pattern; do
        # grep reads to the end: with -q, tail could die of a closed pipe.
        tail -c +$((from + 1)) "$work/orca.log" | grep -- "$pattern" >/dev/null || return 1
    done
}

# Waits until Orca's log holds each of the patterns given after byte $1 and has
# then gone quiet (unchanged for 0.5 s): by then Orca has dealt with all that
# the step caused. Gives up after $2 seconds.
settle() {
    local from=$1 timeout=$2 size last=-1 still=0
    local deadline=$((SECONDS + timeout))
    shift 2
    while :; do
        size=$(log_size)
        if [ "$size" = "$last" ]; then
            still=$((still + 1))
        else
            still=0 last=$size
        fi
        if [ $still -ge 10 ] && holds "$from" "$@"; then
            return 0
        fi
        [ $SECONDS -lt $deadline ] ||
            fail "Orca's log did not hold '$*' and go quiet within $timeout s" "$work/orca.log"
        sleep 0.05
    done
}

# Prints the step's name and what Orca spoke since byte $1 of its log.
transcribe() {
    echo "$step"
    said "$1" | awk -F '\t' '{ print "    " ($2 == "key" ? "key echo: " : "") $3 }'
}

# One step: its name, then the keys. Orca must have had the last key and some
# change from the editor (not every change is spoken) before it goes quiet.
run_step() {
    step=$1
    shift
    local from last key
    from=$(log_size)
    for key in "$@"; do
        last=$(log_size)
        press "$key"
    done
    settle "$last" 20 "PROCESS ATSPI_KEY_RELEASED_EVENT" "- OBJECT EVENT: "
    transcribe "$from"
}

window_shown() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

# Waits up to $2 seconds for the file $1 to hold something.
wait_for_file() {
    local tries
    for tries in $(seq $(($2 * 10))); do
        [ -s "$1" ] && return 0
        sleep 0.1
    done
    return 1
}

# Xvfb on a free display between 300 and 600; it writes the number to its
# -displayfd once it takes connections, so one that lost the display to
# another session's server (it ends) is never taken for ready.
start_display() {
    local n
    for n in $(shuf -i 300-600 -n 20); do
        [ -e "/tmp/.X$n-lock" ] && continue
        rm -f "$work/display"
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset -displayfd 3 3>"$work/display" \
            >"$work/xvfb.log" 2>&1 &
        pids+=($!)
        local tries
        for tries in $(seq 100); do
            [ -s "$work/display" ] && break
            kill -0 "${pids[-1]}" 2>/dev/null || break
            sleep 0.1
        done
        if [ -s "$work/display" ] && kill -0 "${pids[-1]}" 2>/dev/null; then
            export DISPLAY=":$n"
            return 0
        fi
        kill "${pids[-1]}" 2>/dev/null || true
        unset 'pids[-1]'
    done
    fail "no X display between 300 and 600 could be started" "$work/xvfb.log"
}

# Without a window manager the main window never gets the focus back from the
# file dialog, and Orca is left with nothing focused. On a busy machine openbox
# has once failed to open a display that was ready; a second try does.
start_window_manager() {
    local attempt tries
    for attempt in 1 2 3; do
        openbox --sm-disable >"$work/openbox.log" 2>&1 &
        pids+=($!)
        for tries in $(seq 100); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
            kill -0 "${pids[-1]}" 2>/dev/null || break
            sleep 0.1
        done
        kill "${pids[-1]}" 2>/dev/null || true
        unset 'pids[-1]'
        echo "orca-session.sh: openbox did not start: $(tail -n 1 "$work/openbox.log")" >&2
    done
    fail "openbox did not start in three tries" "$work/openbox.log"
}

# A session bus of our own. The accessibility bus starts on it when first
# asked for (org.a11y.Bus); Orca turns accessibility on (org.a11y.Status
# IsEnabled) before the editor starts, so Qt's bridge comes up by itself.
start_bus() {
    rm -f "$work/bus"
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" >"$work/dbus.log" 2>&1 &
    pids+=($!)
    wait_for_file "$work/bus" 10 || fail "the D-Bus session bus did not start" "$work/dbus.log"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
    export DBUS_SESSION_BUS_ADDRESS
}

# Orca with a settings folder of its own: no speech server (the log records
# every utterance all the same), no braille, plus the settings given.
start_orca() {
    rm -rf "$work/orca" "$work/orca.log"
    mkdir -p "$work/orca"
    {
        echo "import orca.settings as settings"
        echo "settings.speechServerFactory = ''"
        echo "settings.enableBraille = False"
        printf '%s\n' "$@"
    } >"$work/orca/orca-customizations.py"
    "$python" "$here/session-helper.py" orca --user-prefs "$work/orca" --debug-file "$work/orca.log" \
        >"$work/orca.out" 2>&1 &
    pids+=($!)
    local tries
    for tries in $(seq 300); do
        grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$work/orca.log" 2>/dev/null && return 0
        sleep 0.1
    done
    fail "Orca did not start within 30 s" "$work/orca.out" "$work/orca.log"
}

# One pass: its name, then the Orca settings that make it.
session() {
    pass=$1 step=setup
    shift
    rm -rf "$work/home"
    mkdir -p "$work/home/run"
    chmod 700 "$work/home/run"
    export HOME=$work/home XDG_RUNTIME_DIR=$work/home/run XDG_CONFIG_HOME=$work/home/config \
        XDG_DATA_HOME=$work/home/data XDG_CACHE_HOME=$work/home/cache GSETTINGS_BACKEND=memory \
        TZ=UTC LANG=C.UTF-8 LC_ALL=C.UTF-8
    start_display
    start_window_manager
    start_bus
    start_orca "$@"
    echo "# Orca $("$python" /usr/bin/orca --version), pass: $pass"

    step="start-up: the file dialog"
    local from shown first editor_pid deadline=$((SECONDS + 30))
    from=$(log_size)
    (cd "$work/sample" && QT_MESSAGE_PATTERN="%{time hh:mm:ss.zzz} %{message}" exec "$editor") \
        >"$work/editor.log" 2>&1 &
    pids+=($!)
    editor_pid=$!
    until window_shown '^Open$'; do
        kill -0 "$editor_pid" 2>/dev/null || fail "the editor ended" "$work/editor.log"
        [ $SECONDS -lt $deadline ] || fail "no file dialog within 30 s" "$work/editor.log"
        sleep 0.05
    done
    shown=$(date +%T.%N)
    settle "$from" 300 "SPEECH OUTPUT"
    transcribe "$from"
    first=$(said "$from" | sed -n 1p)
    awk -v shown="$shown" -v first="$first" 'BEGIN {
        split(shown, a, ":"); split(first, b, "[:\t]")
        printf "delay: %.1f s from the file dialog showing to the first speech\n",
            (b[1] - a[1]) * 3600 + (b[2] - a[2]) * 60 + b[3] - a[3]
    }'

    local keys i
    mapfile -t keys < <(keys_for "$image_name")
    run_step "file dialog: type $image_name" "${keys[@]}"
    run_step "file dialog: Enter (the main window)" Return
    for i in 1 2 3; do
        run_step "main window: Down" Down
    done
    run_step "main window: Enter (Character Stat Editor)" Return
    for i in $(seq 21); do # once round, back to the list
        run_step "Character Stat Editor: Tab" Tab
    done
    run_step "Character Stat Editor: Escape" Escape
    for i in 1 2; do
        run_step "main window: Down" Down
    done
    run_step "main window: Enter (Monster Stat Editor)" Return
    run_step "Monster Stat Editor: Down (the first record)" Down
    for i in 1 2; do
        run_step "Monster Stat Editor: Tab" Tab
    done
    for i in 1 2; do
        run_step "Monster Stat Editor: Shift+Tab" shift+Tab
    done
    run_step "Monster Stat Editor: Escape" Escape
    run_step "main window: Ctrl+F6 (Monster Item Editor)" ctrl+F6
    for i in $(seq 9); do # once round, back to the list
        run_step "Monster Item Editor: Tab" Tab
    done
    run_step "Monster Item Editor: Escape" Escape

    step="main window: Ctrl+Q"
    press ctrl+q
    for i in $(seq 100); do
        kill -0 "$editor_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$editor_pid" 2>/dev/null; then
        fail "the editor did not end within 10 s" "$work/editor.log"
    fi
    stop_all
}

session defaults >"$work/defaults.txt"
session nodescriptions "settings.speakDescription = False" >"$work/nodescriptions.txt"
cat "$work/defaults.txt"
echo
cat "$work/nodescriptions.txt"
if [ -n "$output" ]; then
    mkdir -p "$output"
    cp "$work/defaults.txt" "$work/nodescriptions.txt" "$output/"
fi

failed=0
for pass in defaults nodescriptions; do
    if [ -n "$expect" ] && ! diff -u --label "$expect-$pass.txt" --label "this run" \
        <(grep -v '^delay: ' "$expect-$pass.txt") <(grep -v '^delay: ' "$work/$pass.txt") >&2; then
        echo "orca-session.sh: pass '$pass' did not say what $expect-$pass.txt says (the diff above)" >&2
        failed=1
    fi
    if [ -n "$max_delay" ] && ! awk -v max="$max_delay" '/^delay: / { exit !($2 <= max) }' "$work/$pass.txt"; then
        echo "orca-session.sh: pass '$pass': $(grep '^delay: ' "$work/$pass.txt"), more than $max_delay s" >&2
        failed=1
    fi
done
exit $failed
