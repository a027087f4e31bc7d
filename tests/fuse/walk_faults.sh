#!/bin/sh
# The walk's faults on real file systems, through dirnal-lst as a user runs it:
#  - a start folder the user may not read: exit 3, nothing written, the old
#    file byte for byte (as an ordinary user: root reads every folder);
#  - on a FUSE file system (slowfs.c) mounted here for the test: a listing
#    that never answers is passed over after --timeout and named, a folder
#    that vanishes after its parent's listing is named, and the list is
#    written with exit 6; SIGINT or SIGTERM while a listing hangs ends the
#    walk at once with 130 or 143, writing nothing; a lazy unmount in the
#    middle of the walk is reported as folders that vanished, with exit 6.
#   walk_faults.sh DIRNAL_LST [SLOWFS]
# Exit 77 (skipped) when neither part can run here.
set -u
program=$1
slowfs=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
mount=$work/m
daemon=""
lazy=""
failed=0
ran=0
cleanup() {
    if [ -n "$daemon" ]; then
        fusermount3 -u -z "$mount" 2>/dev/null
        kill "$daemon" 2>/dev/null
        wait "$daemon" 2>/dev/null
    fi
    if [ -n "$lazy" ]; then
        fusermount3 -u -z "$work/lazy" 2>/dev/null
        kill "$lazy" 2>/dev/null
        wait "$lazy" 2>/dev/null
    fi
    chmod -R u+rwx "$work" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
fail() { echo "FAIL: $*"; failed=1; }
has() { grep -qF -- "$2" "$1" || fail "$3: no \"$2\" in: $(cat "$1")"; }

# A start folder that cannot be read.
chmod 755 "$work"
mkdir -p "$work/cad/Projekte" "$work/out"
printf 'alt\r\n' > "$work/out/dirnal.lst"
chmod 0 "$work/cad"
[ "$(id -u)" = 0 ] && chown nobody "$work/out" "$work/out/dirnal.lst" 2>/dev/null
sh "$here/../run_unprivileged.sh" "$program" -o "$work/out" "$work/cad" 2> "$work/err"
code=$?
if [ $code = 77 ]; then
    echo "no ordinary user to run as: the unreadable start folder is skipped"
else
    ran=1
    [ $code = 3 ] || fail "unreadable start folder: exit $code, not 3"
    printf 'alt\r\n' | cmp -s - "$work/out/dirnal.lst" || fail "the old file changed"
    has "$work/err" "Das Startverzeichnis \"$work/cad\" konnte nicht gelesen werden. Keine Berechtigung" "reason"
fi
chmod 755 "$work/cad"

if [ -z "$slowfs" ] || [ ! -c /dev/fuse ] || ! command -v fusermount3 >/dev/null; then
    echo "no FUSE here (slowfs built, /dev/fuse and fusermount3 needed): the FUSE cases are skipped"
    [ $ran = 1 ] || exit 77
    exit $failed
fi
ran=1
mkdir -p "$work/src/a/x" "$work/src/b/y" "$work/src/c/weg/darunter" "$mount"
"$slowfs" "$work/src" "$mount" list:/b:hang list:/c:vanish 2> "$work/fuse.log" &
daemon=$!
for _ in $(seq 100); do
    grep -q " $mount " /proc/mounts && break
    sleep 0.1
done
grep -q " $mount " /proc/mounts || { fail "slowfs did not mount: $(cat "$work/fuse.log")"; exit 1; }

"$program" -t 1 -o "$work/out/fuse.lst" "$mount" 2> "$work/err"
code=$?
[ $code = 6 ] || fail "hung and vanished folders: exit $code, not 6"
printf '%s\r\n' "$mount/a" "$mount/b" "$mount/c" "$mount/a/x" "$mount/c/weg" | cmp -s - "$work/out/fuse.lst" ||
    fail "the list: $(cat "$work/out/fuse.lst")"
has "$work/err" "1 Verzeichnis hat nicht binnen 1 s geantwortet" "timed out"
has "$work/err" "1 Verzeichnis ist während der Suche verschwunden" "vanished"
has "$work/err" "$mount/b" "timed out"
has "$work/err" "$mount/c/weg" "vanished"

for signal in INT TERM; do
    : > "$work/fuse.log"
    "$program" -o "$work/out/dirnal.lst" "$mount" 2> "$work/err" &
    walk=$!
    for _ in $(seq 100); do
        grep -q "hanging in /b" "$work/fuse.log" && break
        sleep 0.1
    done
    kill -$signal $walk
    wait $walk
    code=$?
    expected=$([ $signal = INT ] && echo 130 || echo 143)
    [ $code = "$expected" ] || fail "SIG$signal while a listing hangs: exit $code, not $expected: $(cat "$work/err" "$work/fuse.log")"
    printf 'alt\r\n' | cmp -s - "$work/out/dirnal.lst" || fail "SIG$signal: the old file changed"
done

# The share goes away lazily while the walk waits for one of its listings:
# what the walk had still to enter is gone, and it says so.
mkdir -p "$work/lazy"
"$slowfs" "$work/src" "$work/lazy" list:/a:delay=1500 2> "$work/lazy.log" &
lazy=$!
for _ in $(seq 100); do
    grep -q " $work/lazy " /proc/mounts && break
    sleep 0.1
done
"$program" -j 1 -o "$work/out/lazy.lst" "$work/lazy" 2> "$work/err" &
walk=$!
sleep 0.7
fusermount3 -u -z "$work/lazy"
wait $walk
code=$?
[ $code = 6 ] || fail "lazy unmount during the walk: exit $code, not 6: $(cat "$work/err")"
has "$work/err" "sind während der Suche verschwunden" "lazy unmount"
has "$work/err" "$work/lazy/b" "lazy unmount"
exit $failed
