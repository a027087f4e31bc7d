#!/bin/bash
# Runs the window under the Orca screen reader on a virtual display, drives the
# workflow by keys (generate, arrow through the list, search and delete, a
# single path, a conversion, the start position, save, read, close) and
# prints what Orca spoke at each step.
#   scripts/orca-speech.sh [--check] [--english]
# --check fails when a status the steps expect was not spoken; --english
# runs the window (and Orca) in English instead of German.
# Orca kills every other Orca of the same user when it starts.
set -eu
cd "$(dirname "$0")/.."
check=false
lang=de_DE.UTF-8
for argument in "$@"; do
    case "$argument" in
    --check) check=true ;;
    --english) lang=C.UTF-8 ;;
    *) echo "usage: $0 [--check] [--english]" >&2; exit 2 ;;
    esac
done

scripts/install-packages.sh orca speech-dispatcher at-spi2-core python3-pyatspi xvfb xdotool x11-utils dbus \
    bsdutils locales openbox
if [ "$lang" = de_DE.UTF-8 ] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    if [ "$(id -u)" = 0 ]; then
        sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen && locale-gen >/dev/null
    else
        echo "The locale de_DE.UTF-8 is missing: generate it, or run with --english." >&2
        exit 1
    fi
fi
[ -x build/app/dirnal-lst-manager ] || scripts/build.sh >/dev/null
app="$PWD/build/app/dirnal-lst-manager"

work=$(mktemp -d /tmp/orca-speech.XXXXXX)
pids=()
cleanup() {
    local pid
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        pid=${pids[i]}
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        for _ in 1 2 3 4 5 6 7 8 9 10; do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
        kill -9 "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
[ -n "${ORCA_SPEECH_KEEP:-}" ] && trap "cp \"\$log\" \"\$ORCA_SPEECH_KEEP\"; cleanup" EXIT
trap 'exit 1' INT TERM

# A small tree, stored as the start folder.
for folder in Baugruppen/Alt Baugruppen/Neu Normteile Zeichnungen/Freigabe; do
    mkdir -p "$work/tree/$folder"
done
expected_total=$(find "$work/tree" -mindepth 1 -type d | wc -l)
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME/dirnal_lst_generator" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cat > "$XDG_CONFIG_HOME/dirnal_lst_generator/dirnal_lst_generator.conf" <<CONF
[Optionen]
Dir1.Path=$work/tree
Dir_file.Path=$work
CONF
export LANG="$lang" LC_ALL="$lang" LANGUAGE=""
unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

# A window manager, as on every desktop: it gives the keys back to the
# window when a message box closes.
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)

dbus-daemon --session --fork --nopidfile --print-address=4 --print-pid=5 4>"$work/bus" 5>"$work/bus.pid"
pids+=("$(cat "$work/bus.pid")")
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS

/usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$work/at-spi.log" &
pids+=($!)
sleep 1
# Another display of the same number may have left its bus address behind:
# then Qt and Orca reach it through the session bus.
xprop -root -remove AT_SPI_BUS 2>/dev/null || true

# Speech Dispatcher with only the module that makes no sound.
mkdir -p "$work/speechd"
cat > "$work/speechd/speechd.conf" <<CONF
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "pulse"
CONF
speech-dispatcher -s -t 0 -C "$work/speechd" -L "$work" >"$work/speechd.log" 2>&1 &
pids+=($!)

# Orca writes its debug file through a buffer unless the file is a
# terminal: script(1) gives it one and writes each line at once.
log="$work/orca.log"
script -qfec "orca --replace --debug-file=/dev/tty" "$log" </dev/null >/dev/null 2>&1 &
pids+=($!)

# Each line: SPEECH OUTPUT: 'text' [voice=NAME] {voice settings}
spoken_lines() { [ -f "$log" ] && tr -d '\r' <"$log" | grep -a "SPEECH OUTPUT: '" | sed "s/^.*SPEECH OUTPUT: '//; s/' *\\( voice=[a-z]*\\)\\? *{.*\$//"; }
count_lines() { spoken_lines | wc -l; }
# Waits until Orca has spoken a line matching the pattern since line $1.
wait_for() {
    local since=$1 pattern=$2 tries=${3:-50}
    for _ in $(seq "$tries"); do
        spoken_lines | tail -n +"$((since + 1))" | grep -q -- "$pattern" && return 0
        sleep 0.2
    done
    return 1
}
# Waits until Orca has said nothing new for two seconds (at most 30).
settle() {
    local last=-1 now quiet=0
    for _ in $(seq 30); do
        now=$(count_lines)
        if [ "$now" = "$last" ]; then quiet=$((quiet + 1)); else quiet=0; fi
        [ "$quiet" -ge 2 ] && return 0
        last=$now
        sleep 1
    done
}
mark=0
step() {
    echo "== $1"
    settle
    spoken_lines | tail -n +"$((mark + 1))" | sed 's/^/   /'
    mark=$(count_lines)
}
wait_for 0 . 100 || { echo "Orca did not start: $log" >&2; tail -n 20 "$log" >&2; exit 1; }
step "Orca started"

QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$app" >"$work/app.log" 2>&1 &
pids+=($!)
window=$(xdotool search --sync --onlyvisible --name "dirnal.lst-Manager" | head -n 1)
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
step "window opened"

failed=""
expect() {  # the pattern a step should have spoken
    if spoken_lines | tail -n +"$((before + 1))" | grep -q -- "$1"; then
        echo "   -> spoken: $1"
    else
        echo "   -> NOT spoken: $1"
        failed="$failed [$1]"
    fi
}

# Presses keys, waits for what the step should say, and shows what was said.
do_step() {  # title, pattern, keys...
    local title=$1 pattern=$2
    shift 2
    before=$mark
    xdotool key "$@"
    wait_for "$before" "$pattern" 25 || true
    step "$title"
    expect "$pattern"
}

# Presses Tab until Orca names the control that the pattern matches.
tab_to() {
    for _ in $(seq 40); do
        spoken_lines | tail -n +"$((mark + 1))" | grep -q -- "$1" && return 0
        xdotool key Tab
        settle
    done
    return 1
}

before=$mark
tab_to "Liste erstellen\|Create list" || failed="$failed [the button]"
step "Tab to \"2. Liste erstellen\""

do_step "Return: the list is made" "Total: $expected_total" Return

before=$mark
tab_to "Verzeichnisliste\|Directory list" || failed="$failed [the list]"
step "Tab to the list"

do_step "Down in the list" "^ok\.\$" Down
do_step "Down again: the same status, for another entry" "^ok\.\$" Down

before=$mark
xdotool keydown Insert key KP_Enter key KP_Enter keyup Insert
step "Orca: read status bar (Insert+KP_Enter twice)"
expect "ok\."

# The rest of the workflow, each result in the window's language.
if [ "$lang" = C.UTF-8 ]; then
    t_select="select: show the search" t_selection="selection: select paths" t_delete="Delete selected" t_deleting="deleting"
    t_single="Add / edit single" t_appended="Appended: " t_quotes="quotes" t_changed="entr[a-z]* changed"
    t_start="1. Set start position" t_start_said="Start position: " t_saved="file saved" t_read="entr[a-z]* read"
    t_question="save"
else
    t_select="select: Suche einblenden" t_selection="selection: Pfade" t_delete="Ausgewählte Pfade löschen" t_deleting="löschen"
    t_single="Einzeln hinzufügen" t_appended="Angefügt: " t_quotes="Anführungszeichen" t_changed="Eintr[a-zä]* geändert"
    t_start="1. Startposition einstellen" t_start_said="Startposition: " t_saved="file saved" t_read="Eintr[a-zä]* gelesen"
    t_question="speichern"
fi


before=$mark
tab_to "$t_select" || failed="$failed [select]"
step "Tab to \"select\""
do_step "Return: the find box, with the focus" "Pfade die\|Select paths that" Return
before=$mark
xdotool type --delay 100 "Alt"
step "typed \"Alt\" into the find box"
tab_to "$t_selection" || failed="$failed [selection]"
do_step "Return on \"selection\": the first find becomes current" "^ok\.\$" Return
tab_to "$t_delete" || failed="$failed [delete]"
do_step "Return on the delete image" "$t_deleting" Return

tab_to "$t_single" || failed="$failed [single path]"
do_step "Return: the single-path box" "Einzelner Pfad\|Single path" Return
xdotool key ctrl+a
xdotool type --delay 50 "$work/tree/Neu"
do_step "typed a path, Return appends it" "$t_appended" Return

tab_to "$t_quotes" || failed="$failed [quotes]"
do_step "Return on the quotes image: a conversion" "$t_changed" Return

tab_to "$t_start" || failed="$failed [start position]"
do_step "Return: the start-position panel takes the focus" "Verzeichnisse der Startposition\|Directories of the start" Return
do_step "Return on the open folder presses \"ok\"" "$t_start_said" Return

do_step "Ctrl+S saves, and says so in a message box" "$t_saved" ctrl+s
do_step "Return closes the message box" "Generator\|Startposition\|start position" Return
do_step "Ctrl+O: the list-file panel, its file list" "dirnal.lst" ctrl+o
do_step "Return reads the file" "$t_read" Down Return
do_step "Ctrl+Q: the offer to save" "$t_question" ctrl+q
do_step "Escape: no, and the window closes" "." Escape

if [ -n "$failed" ]; then
    echo "Not spoken:$failed (log: kept below)" >&2
    if $check; then
        grep -a "lblStatus\|STATUS\|Ignoring\|status" "$log" | tr -d '\r' | tail -n 40 >&2
        exit 1
    fi
fi
[ -z "$failed" ] && echo "All expected statuses spoken."
true
