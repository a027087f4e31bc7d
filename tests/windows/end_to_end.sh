#!/bin/sh
# End to end under Wine: the window and the command line program build
# dirnal.lst for a tree with spaces and umlauts in its names, and both files
# must be exactly what the CAD system reads: every directory below the start
# directory, level by level, each level's names in alphabetical order
# without regard to case, as C:\ paths, CR LF after each line, in the ANSI
# code page (Windows-1252 in the western locale the tests run in). Its help
# and messages on a file are UTF-8 with CR LF. Before that, a first start
# with nothing stored must open the user's Documents folder, not the
# program's own folder it was started in.
#
# Usage: end_to_end.sh BUILD_DIR
# Runs in the environment scripts/windows-tests.sh sets up: DISPLAY names a
# virtual display without a window manager, WINEPREFIX a prefix with Wine's
# desktop running. The window is driven with xdotool by clicking its
# controls, whose positions come from ui/form1_ui.cpp (twips, 15 to the
# pixel, below the menu bar). If WINDIRNAL_SCREENSHOT names a file, a
# screenshot of the window with the generated list is written there.
set -eu

build_dir=${1:?usage: end_to_end.sh BUILD_DIR}
build_dir=$(cd "$build_dir" && pwd)
manager_exe="$build_dir/app/dirnal-lst-manager.exe"
cli_exe="$build_dir/cli/dirnal-lst.exe"

fail() {
    # printf, not echo: dash's echo takes the \r in C:\users\root for an escape.
    printf 'end_to_end: FAIL: %s\n' "$*" >&2
    exit 1
}

[ -n "${DISPLAY:-}" ] || fail "DISPLAY is not set (run through scripts/windows-tests.sh)"
for tool in xdotool import convert iconv cmp od; do
    command -v "$tool" >/dev/null 2>&1 || fail "$tool is missing"
done
[ -f "$manager_exe" ] || fail "$manager_exe is missing"
[ -f "$cli_exe" ] || fail "$cli_exe is missing"

wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)
[ -x "$wine64" ] || fail "wine64 not found"
prefix=${WINEPREFIX:-$HOME/.wine}
drive_c="$prefix/drive_c"
[ -d "$drive_c" ] || fail "no drive C: in the Wine prefix $prefix"

# The tree, on the Wine side C:\cad daten.
root_unix="$drive_c/cad daten"
root_win='C:\cad daten'
out_unix="$drive_c/dirnal e2e"
out_win='C:\dirnal e2e'

work=$(mktemp -d)
app_pid=""

app_running() {
    [ -n "$app_pid" ] || return 1
    [ -r "/proc/$app_pid/stat" ] || return 1
    # A process that has ended but was not yet waited for is a zombie.
    state=$(sed 's/.*) //' "/proc/$app_pid/stat" | cut -c1)
    [ "$state" != Z ]
}

cleanup() {
    if app_running; then
        kill "$app_pid" 2>/dev/null || true
        i=0
        while app_running && [ $i -lt 20 ]; do
            sleep 0.1
            i=$((i + 1))
        done
        app_running && kill -9 "$app_pid" 2>/dev/null || true
    fi
    [ -n "$app_pid" ] && wait "$app_pid" 2>/dev/null || true
    rm -rf "$work" "$root_unix" "$out_unix"
}
trap cleanup EXIT
trap 'exit 2' INT TERM HUP
. "$(dirname "$0")/window_driving.sh"

# Compares a produced file with the expected bytes; shows both on a mismatch.
compare() {
    what=$1
    actual=$2
    if [ ! -f "$actual" ]; then
        fail "$what: $actual was not written"
    fi
    if ! cmp "$work/expected" "$actual" >&2; then
        echo "--- expected ($what):" >&2
        od -c "$work/expected" >&2
        echo "--- actual ($what): $actual" >&2
        od -c "$actual" >&2
        fail "$what differs from the expected list"
    fi
    echo "end_to_end: ok: $what"
}

# --- the tree and what its list must be --------------------------------------

rm -rf "$root_unix" "$out_unix"
mkdir -p "$root_unix/Alpha/unter" \
         "$root_unix/beta/x y" \
         "$root_unix/Ωmega/unter" \
         "$root_unix/日本" \
         "$root_unix/Größe/teil 1/a" \
         "$root_unix/Größe/teil 1/Übersicht" \
         "$root_unix/Größe/Teil 2" \
         "$out_unix"
# Files are no directories and stay out of the list.
echo zeichnung >"$root_unix/zeichnung.dwg"
echo notiz >"$root_unix/Größe/notiz.txt"

# Level by level: first the start directory's subdirectories, then theirs,
# each directory's in turn. Case does not count ("beta" before "Größe",
# "teil 1" before "Teil 2"); a plain byte order or a walk into the depth
# first gives a different list. Names Windows-1252 cannot hold (Ωmega, 日本)
# go in as their short names, which Wine derives from the long name
# ("cad daten" is CAD_~NC3); a best-fit "Omega" or "??" would name no folder.
short='C:\CAD_~NC3'
{
    for entry in 'Alpha' 'beta' 'Größe' "$short\\_MEG~MCN" "$short\\__~~~ONH" \
                 'Alpha\unter' 'beta\x y' 'Größe\teil 1' 'Größe\Teil 2' "$short\\_MEG~MCN\\unter" \
                 'Größe\teil 1\a' 'Größe\teil 1\Übersicht'; do
        case $entry in
        "$short"*) printf '%s\r\n' "$entry" ;;
        *) printf '%s\\%s\r\n' "$root_win" "$entry" ;;
        esac
    done
} | iconv -f UTF-8 -t CP1252 >"$work/expected"
# The umlauts must be single bytes (ö = 0xF6, Ü = 0xDC) in what we expect.
od -An -tx1 "$work/expected" | grep -q ' f6' || fail "the expected list is not in Windows-1252"

# --- driving the window -------------------------------------------------------

key='HKCU\Software\dirnal_lst_generator\Optionen'

# The value NAME under the registry KEY, as reg query shows it.
reg_value() {
    "$wine64" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}

app_ended() { ! app_running; }

# --- the first start ----------------------------------------------------------

# Nothing stored, no C:\temp, and started as the installed shortcut starts
# it, in the program's own folder: both panels open the user's Documents
# folder instead (the one Windows names in the registry), and closing the
# window stores them there.
[ ! -e "$drive_c/temp" ] || fail "C:\\temp exists, so this is no first start without it"
"$wine64" reg delete 'HKCU\Software\dirnal_lst_generator' /f >/dev/null 2>&1 || true
documents=$(reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' Personal)
[ -n "$documents" ] || fail "the Wine prefix names no Documents folder"

(cd "$(dirname "$manager_exe")" && exec "$wine64" "$manager_exe") </dev/null >"$work/first-start.log" 2>&1 &
app_pid=$!
window_drawn "at the first start"
if [ -n "${WINDIRNAL_SCREENSHOT:-}" ]; then
    first_start_shot="${WINDIRNAL_SCREENSHOT%.png}-first-start.png"
    import -window "$window" "$first_start_shot" || fail "could not write the screenshot $first_start_shot"
    echo "end_to_end: screenshot of the first start written to $first_start_shot"
fi
# The exit image img_Exit: (6840, 540), 480 x 480, in Frame3 at (120, 3960).
# With an empty list nothing is asked.
click_twips $((120 + 6840)) $((3960 + 540)) 480 480
wait_for 20 app_ended || fail "the window did not close within 20 s at the first start"
wait "$app_pid" || fail "dirnal-lst-manager.exe ended with an error at the first start"
app_pid=""
for value in Dir1.Path Dir_file.Path; do
    stored=$(reg_value "$key" "$value")
    [ "$stored" = "$documents" ] || fail "at the first start $value was $stored, not the Documents folder $documents"
done
stored=$(reg_value "$key" lbl_file.Caption)
[ "$stored" = "$documents\\dirnal.lst" ] || fail "at the first start the storage location was $stored"
printf 'end_to_end: ok: the first start opens the Documents folder %s\n' "$documents"

# --- the window ---------------------------------------------------------------

for value in Dir1.Path Dir_file.Path; do
    "$wine64" reg add "$key" /v "$value" /t REG_SZ /d "$root_win" /f >/dev/null 2>&1 ||
        fail "could not set $value in the registry"
done

"$wine64" "$manager_exe" </dev/null >"$work/manager.log" 2>&1 &
app_pid=$!
window_drawn

# "2. Liste erstellen": Command1 at (2220, 480) in Frame1 at (3000, 0).
click_twips $((3000 + 2220)) $((0 + 480)) 2055 255

wait_for 30 list_shown || fail "no list appeared in the window within 30 s after clicking \"2. Liste erstellen\""
# No message box may have come with the walk (notices about unreadable
# directories and the like).
xdotool search --all --onlyvisible --pid "$app_pid" --name '^dirnal\.lst$' >/dev/null 2>&1 &&
    fail "the walk showed a message box"

if [ -n "${WINDIRNAL_SCREENSHOT:-}" ]; then
    import -window "$window" "$WINDIRNAL_SCREENSHOT" || fail "could not write the screenshot $WINDIRNAL_SCREENSHOT"
    echo "end_to_end: screenshot written to $WINDIRNAL_SCREENSHOT"
fi

message_box() {
    box=$(xdotool search --all --onlyvisible --pid "$app_pid" --name '^dirnal\.lst$' 2>/dev/null | head -n 1)
    [ -n "$box" ]
}
no_message_box() { ! message_box; }

# The save image button img_save: (6300, 540), 465 x 435, in Frame3 at
# (120, 3960). Saving ends with "Datei dirnal.lst wurde unter ... gespeichert".
click_twips $((120 + 6300)) $((3960 + 540)) 465 435
wait_for 20 message_box || fail "no message box after clicking the save button"
[ -f "$root_unix/dirnal.lst" ] || fail "the message box came, but $root_win\\dirnal.lst does not exist"
xdotool key Return
# Then the notice of the three entries written by their short names.
box_before=$box
another_box() { message_box && [ "$box" != "$box_before" ]; }
wait_for 10 another_box || fail "no notice of the entries written by their short names after saving"
xdotool key Return
wait_for 10 no_message_box || fail "the message boxes after saving did not close on Return"

# Close through the exit button img_Exit: (6840, 540), 480 x 480, in Frame3.
# The window offers to save the list once more; Escape answers "No".
click_twips $((120 + 6840)) $((3960 + 540)) 480 480
closed_or_asked() { ! app_running || message_box; }
wait_for 20 closed_or_asked || fail "the window neither closed nor asked anything after clicking its exit button"
if app_running; then
    xdotool key Escape
fi
wait_for 20 app_ended ||
    fail "the window did not close within 20 s"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "dirnal-lst-manager.exe ended with status $status"

compare "the window's dirnal.lst" "$root_unix/dirnal.lst"

# --- the command line program -------------------------------------------------

status=0
"$wine64" "$cli_exe" -o "$out_win\\out.lst" "$root_win" </dev/null >"$work/cli.out" 2>"$work/cli.err" || status=$?
if [ "$status" -ne 0 ]; then
    cat "$work/cli.err" >&2
    fail "dirnal-lst.exe -o ended with status $status"
fi
compare "dirnal-lst.exe -o" "$out_unix/out.lst"

# On standard output the lines must end in CR LF, not CR CR LF: the program
# writes the bytes as they are, not through a text mode translation.
status=0
"$wine64" "$cli_exe" "$root_win" </dev/null >"$work/stdout.lst" 2>"$work/cli.err" || status=$?
if [ "$status" -ne 0 ]; then
    cat "$work/cli.err" >&2
    fail "dirnal-lst.exe to standard output ended with status $status"
fi
compare "dirnal-lst.exe to standard output" "$work/stdout.lst"

# Help and messages to a file or pipe are UTF-8 with CR LF after each line,
# never CR CR LF; on a console they are characters (console_test.cpp).
"$wine64" "$cli_exe" --help </dev/null >"$work/help.txt" 2>&1 || fail "dirnal-lst.exe --help ended with status $?"
LC_ALL=C awk '!/\r$/ || /\r\r$/ { bad = 1 } END { exit bad }' "$work/help.txt" ||
    fail "the help's lines do not all end in one CR LF: $(od -c "$work/help.txt" | head -n 5)"
grep -q 'Ebene für Ebene' "$work/help.txt" && iconv -f UTF-8 -t UTF-16 "$work/help.txt" >/dev/null ||
    fail "the help is not UTF-8: $(od -c "$work/help.txt" | sed -n 5,8p)"
echo "end_to_end: ok: dirnal-lst.exe --help in UTF-8 with CR LF"
status=0
"$wine64" "$cli_exe" 'C:\Größe fehlt' </dev/null >"$work/cli.out" 2>"$work/cli.err" || status=$?
printf 'dirnal-lst: Das Startverzeichnis "C:\\Größe fehlt" existiert nicht oder ist kein Verzeichnis.\r\n' >"$work/expected"
[ "$status" -eq 3 ] || fail "dirnal-lst.exe on a missing folder ended with status $status"
compare "dirnal-lst.exe's message on standard error" "$work/cli.err"

echo "end_to_end: all lists and texts are as expected"
