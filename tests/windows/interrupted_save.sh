#!/bin/sh
# Under Wine: saves written in place, by dirnal-lst.exe and by the window.
# - The console's Ctrl+C in the middle of the write (SIGINT to the Wine
#   process, which Wine hands to the console handlers) waits until the file
#   holds the whole new list, then ends the program as Ctrl+C does, with
#   STATUS_CONTROL_C_EXIT; no recovery copy stays. The list file has a
#   second hard link, so it is written in place, and lies on slowfs
#   (tests/fuse/slowfs.c, built here with the machine's C compiler), whose
#   delayed writes make the write last long enough to be caught. It is
#   mounted where the test's files are, not in a mount namespace of its
#   own: the wineserver, which opens the files, must see it.
# - A recovery copy another user planted beside a list file is not taken
#   for the copy of a save that was cut off; one of this user is.
# - The end of the session while the window saves such a list waits until
#   the file holds the whole new list (on a virtual display only).
#
# Usage: interrupted_save.sh BUILD_DIR, in the Wine prefix that
# scripts/windows-tests.sh sets up. Exit 77 (skipped) where Wine, FUSE or
# what builds slowfs is missing.
set -u

cli_exe="$(cd "${1:?usage: interrupted_save.sh BUILD_DIR}" && pwd)/cli/dirnal-lst.exe"
here=$(cd "$(dirname "$0")" && pwd)
wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)
work=$(mktemp -d)
daemon=""
app_pid=""
cleanup() {
    if [ -n "$daemon" ]; then
        fusermount3 -u -z "$work/mnt" 2>/dev/null || umount -l "$work/mnt" 2>/dev/null
        kill "$daemon" 2>/dev/null
        wait "$daemon" 2>/dev/null
    fi
    if [ -n "$app_pid" ]; then
        kill "$app_pid" 2>/dev/null
        wait "$daemon" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
. "$here/window_driving.sh"

fail() {
    printf 'interrupted_save: FAIL: %s\n' "$*" >&2
    exit 1
}
skip() {
    echo "interrupted_save: skipped: $*"
    exit 77
}
windows_path() { printf 'Z:%s' "$(printf '%s' "$1" | tr / '\\')"; }

[ -x "$wine64" ] || skip "no wine64"
[ -c /dev/fuse ] || skip "no /dev/fuse"
cc -O2 -o "$work/slowfs" "$here/../fuse/slowfs.c" $(pkg-config --cflags --libs fuse3 2>/dev/null) 2>"$work/cc.log" ||
    skip "slowfs could not be built (cc, pkg-config and libfuse3-dev needed): $(head -n 3 "$work/cc.log")"

# The lists: an old one of 3 MB, a new one of 2 MB (distinct lines, so a
# mix of both shows), made by the program itself from a list to keep.
mkdir -p "$work/src" "$work/mnt" "$work/root/a"
awk 'BEGIN { for (x = "o"; length(x) < 990;) x = x x; x = substr(x, 1, 990); for (i = 0; i < 3000; i++) printf "C:\\o\\%05d%s\r\n", i, x }' \
    >"$work/old.lst"
awk 'BEGIN { for (x = "k"; length(x) < 990;) x = x x; x = substr(x, 1, 990); for (i = 0; i < 2000; i++) printf "C:\\k\\%05d%s\r\n", i, x }' \
    >"$work/keep.lst"
"$wine64" "$cli_exe" -q -k "$(windows_path "$work/keep.lst")" "$(windows_path "$work/root")" </dev/null \
    >"$work/new.lst" 2>"$work/err" || fail "the new list was not made: $(cat "$work/err")"
old_size=$(wc -c <"$work/old.lst")
[ "$(wc -c <"$work/new.lst")" -lt "$old_size" ] || fail "the new list is not shorter than the old one"

# Mounts slowfs with each piece of 128 KiB written to the list file waiting
# DELAY ms.
mount_slowfs() {
    "$work/slowfs" "$work/src" "$work/mnt" write:/dirnal.lst:delay=$1 2>"$work/fuse.log" &
    daemon=$!
    for _ in $(seq 100); do
        grep -q " $work/mnt " /proc/mounts && break
        sleep 0.1
    done
    grep -q " $work/mnt " /proc/mounts || fail "slowfs did not mount: $(cat "$work/fuse.log")"
}
unmount_slowfs() {
    fusermount3 -u "$work/mnt" 2>/dev/null || umount "$work/mnt"
    wait "$daemon"
    daemon=""
}
# Writing the new list takes 16 pieces.
mount_slowfs 100
list_win=$(windows_path "$work/mnt/dirnal.lst")

cp "$work/old.lst" "$work/src/dirnal.lst"
ln "$work/src/dirnal.lst" "$work/src/andere.lst"
env --default-signal=INT "$wine64" "$cli_exe" -q -k "$(windows_path "$work/keep.lst")" -o "$list_win" \
    "$(windows_path "$work/root")" </dev/null >/dev/null 2>"$work/err" &
save=$!
# Under way: the file starts with the new list and still has the old size.
while kill -0 "$save" 2>/dev/null &&
    ! { cmp -s -n 64 "$work/src/dirnal.lst" "$work/new.lst" && [ "$(wc -c <"$work/src/dirnal.lst")" -eq "$old_size" ]; }; do
    sleep 0.02
done
kill -INT "$save" 2>/dev/null || fail "the save ended before its write could be caught: $(cat "$work/err")"
status=0
wait "$save" || status=$?
# STATUS_CONTROL_C_EXIT (0xC000013A), of which Wine keeps the low byte.
[ "$status" -eq 58 ] || fail "Ctrl+C during the write ended the program with $status, not as Ctrl+C does: $(cat "$work/err")"
cmp -s "$work/src/dirnal.lst" "$work/new.lst" || fail "Ctrl+C during the write left neither the old nor the new list"
cmp -s "$work/src/andere.lst" "$work/new.lst" || fail "the second name does not show the new list"
[ -z "$(find "$work/src" -name '*dirnal-recovery*')" ] || fail "Ctrl+C left the recovery copy"
echo "interrupted_save: ok: Ctrl+C waits for the write in place, then ends the program"

# A copy beside the list that looks like one of a save cut off: the file
# holds neither that old content nor the content the name says was next.
# Another user's is passed over and stays; this user's is named.
mkdir "$work/beside"
cp "$work/new.lst" "$work/beside/dirnal.lst"
copy="$work/beside/.dirnal.lst.dirnal-recovery-0123456789abcdef"
save_beside() {
    status=0
    "$wine64" "$cli_exe" -q -o "$(windows_path "$work/beside/dirnal.lst")" "$(windows_path "$work/root")" </dev/null \
        >/dev/null 2>"$work/err" || status=$?
}
cp "$work/old.lst" "$copy"
if [ "$(id -u)" = 0 ]; then
    chown nobody "$copy"
    save_beside
    [ "$status" -eq 0 ] && [ -f "$copy" ] ||
        fail "a copy planted by another user was taken for a save cut off (exit $status): $(cat "$work/err")"
    chown 0 "$copy"
else
    echo "interrupted_save: not root: no copy of another user can be planted"
fi
save_beside
[ "$status" -eq 5 ] && grep -q "wurde unterbrochen" "$work/err" ||
    fail "this user's own copy was not named (exit $status): $(cat "$work/err")"
echo "interrupted_save: ok: only this user's recovery copies count"

# The window saving its list in place when the session ends (wineboot
# --end-session, which sends WM_QUERYENDSESSION and WM_ENDSESSION and ends
# the process once they are answered): the end waits for the write, which
# takes 10 s here. The window is driven as in end_to_end.sh, the positions
# from ui/form1_ui.cpp.
manager_exe="$(dirname "$(dirname "$cli_exe")")/app/dirnal-lst-manager.exe"
if [ -z "${DISPLAY:-}" ] || [ ! -f "$manager_exe" ] || ! command -v xdotool >/dev/null || ! command -v import >/dev/null; then
    echo "interrupted_save: no display, window, xdotool or ImageMagick: the end of the session is skipped"
    exit 0
fi
ended() { ! kill -0 "$1" 2>/dev/null || [ "$(cut -d' ' -f3 "/proc/$1/stat")" = Z ]; }
app_ended() { ended "$app_pid"; }

# 4,000 folders of long names: a list of 540 KB, 5 pieces of 2 s each.
(cd "$work/root" && seq -f "%04g-$(printf '%0100d' 0)" 4000 | xargs mkdir)
"$wine64" "$cli_exe" "$(windows_path "$work/root")" </dev/null >"$work/window.lst" 2>"$work/err" ||
    fail "the window's list was not made: $(cat "$work/err")"
unmount_slowfs
mount_slowfs 2000
rm -f "$work/src/dirnal.lst" "$work/src/andere.lst"
cp "$work/old.lst" "$work/src/dirnal.lst"
ln "$work/src/dirnal.lst" "$work/src/andere.lst"
key='HKCU\Software\dirnal_lst_generator\Optionen'
# The storage location is the list-file panel's folder, on the stored drive.
for setting in "Dir1.Path=$(windows_path "$work/root")" "Dir_file.Path=$(windows_path "$work/mnt")" 'Drive1.Drive=Z:\' \
    'Drive_file.Drive=Z:\'; do
    "$wine64" reg add "$key" /v "${setting%%=*}" /t REG_SZ /d "${setting#*=}" /f >/dev/null 2>&1 ||
        fail "could not set ${setting%%=*}"
done
"$wine64" "$manager_exe" </dev/null >"$work/manager.log" 2>&1 &
app_pid=$!
window_drawn
# "2. Liste erstellen": Command1 (2220, 480) in Frame1 (3000, 0), then the
# save button img_save (6300, 540) in Frame3 (120, 3960).
click_twips 5220 480 2055 255
wait_for 60 list_shown || fail "the window made no list"
click_twips 6420 4500 465 435
wait_for 30 cmp -s -n 64 "$work/src/dirnal.lst" "$work/window.lst" || fail "the window's save did not begin"
"$wine64" wineboot --end-session >/dev/null 2>&1 &
ending=$!
# The write done, the window ends, or, closed after it, offers to save the
# list once more, a message box of its own.
message_box() { xdotool search --all --onlyvisible --pid "$app_pid" --name '^dirnal\.lst$' >/dev/null 2>&1; }
ended_or_asks() { app_ended || message_box; }
wait_for 40 ended_or_asks || fail "the window neither ended with the session nor asked anything"
cmp -s "$work/src/dirnal.lst" "$work/window.lst" || fail "the end of the session cut the window's write in two"
if ! app_ended; then
    kill "$app_pid"
    wait_for 20 app_ended || fail "the window did not end"
fi
wait "$app_pid" 2>/dev/null
app_pid=""
# wineboot goes on with the other windows (the idle Notepad); the start.exe
# it runs under at times stays after wineboot.exe has ended.
wait_for 20 ended "$ending" || kill "$ending"
wait "$ending"
# The session's end closed the idle Notepad that keeps Wine's desktop up for the other tests.
"$wine64" notepad </dev/null >/dev/null 2>&1 &
echo "interrupted_save: ok: the end of the session waits for the window's write in place"
