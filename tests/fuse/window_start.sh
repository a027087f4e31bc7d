#!/bin/sh
# The window appears at once while a mount on the machine never answers:
# hungfs (hungfs.c), offered as a drive, holds the stored start folder, and
# the window must be on the screen within a second.
#   window_start.sh DIRNAL_LST_MANAGER HUNGFS
# Exit 77 (skipped) where FUSE or an X server for the test is missing.
set -u
program=$1
hungfs=${2:-}
if [ -z "$hungfs" ] || [ ! -c /dev/fuse ] || ! command -v fusermount3 >/dev/null; then
    echo "no FUSE here (hungfs built, /dev/fuse and fusermount3 needed): skipped"
    exit 77
fi
if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
    echo "no xvfb-run or xdotool: skipped"
    exit 77
fi
work=$(mktemp -d)
mount=$work/share
daemon=""
cleanup() {
    if [ -n "$daemon" ]; then
        fusermount3 -u -z "$mount" 2>/dev/null
        kill "$daemon" 2>/dev/null
        wait "$daemon" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
mkdir -p "$mount" "$work/config/dirnal_lst_generator"
# A device's name: the drive list offers it as a disk.
"$hungfs" "$mount" -f -o fsname=/dev/hungfs 2> "$work/fuse.log" &
daemon=$!
for _ in $(seq 100); do
    grep -q " $mount " /proc/mounts && break
    sleep 0.1
done
grep -q " $mount " /proc/mounts || { echo "FAIL: hungfs did not mount: $(cat "$work/fuse.log")"; exit 1; }
printf '[Optionen]\nDir1.Path=%s/start\nDir_file.Path=%s\n' "$mount" "$mount" \
    > "$work/config/dirnal_lst_generator/dirnal_lst_generator.conf"

# The window's program and xdotool on one X server; the program is killed
# with it, whatever it waits for.
XDG_CONFIG_HOME=$work/config xvfb-run -a sh -c '
    "$1" & app=$!
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        if xdotool search --onlyvisible --name "^dirnal\.lst-Manager$" >/dev/null 2>&1; then
            kill -9 $app; exit 0
        fi
        sleep 0.1
    done
    kill -9 $app; exit 1' sh "$program"
code=$?
[ $code = 0 ] || { echo "FAIL: no window within a second while $mount hangs"; exit 1; }
echo "the window appeared within a second while $mount hung"
