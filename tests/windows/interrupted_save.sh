#!/bin/sh
# Under Wine: saves of dirnal-lst.exe written in place.
# - The console's Ctrl+C in the middle of the write (SIGINT to the Wine
#   process, which Wine hands to the console handlers) waits until the file
#   holds the whole new list, then ends the program as Ctrl+C does, with
#   STATUS_CONTROL_C_EXIT; no recovery copy stays. The list file has a
#   second hard link, so it is written in place, and lies on slowfs
#   (tests/fuse/slowfs.c, built here with the machine's C compiler), whose
#   delayed writes make the write last long enough to be caught. It is
#   mounted where the test's files are, not in a mount namespace of its
#   own: the wineserver, which opens the files, must see it.
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
cleanup() {
    if [ -n "$daemon" ]; then
        fusermount3 -u -z "$work/mnt" 2>/dev/null || umount -l "$work/mnt" 2>/dev/null
        kill "$daemon" 2>/dev/null
        wait "$daemon" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

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

# Each piece of 128 KiB written to the list file waits 100 ms: writing the
# new list takes 16 of them.
"$work/slowfs" "$work/src" "$work/mnt" write:/dirnal.lst:delay=100 2>"$work/fuse.log" &
daemon=$!
for _ in $(seq 100); do
    grep -q " $work/mnt " /proc/mounts && break
    sleep 0.1
done
grep -q " $work/mnt " /proc/mounts || fail "slowfs did not mount: $(cat "$work/fuse.log")"
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

