#!/bin/sh
# Saves by dirnal-lst that a signal cuts into, on real files:
# - a list written in place (a hard-linked one; as nobody, one in a folder
#   only root may write) is stopped with SIGSTOP in the middle of its write,
#   when it holds part of the new list and part of the old one; then each
#   catchable signal and SIGCONT: it must end with the whole new list, and
#   the signal must still end the program.
# - SIGKILL there: the next run finds the recovery copy, says so with the
#   command that puts the old list back, and that command does.
# - a save by rename stopped while it writes its temporary file, then
#   SIGTERM: the temporary file must be gone, the old list untouched.
# - a save by rename keeps the file's access list and extended attributes;
#   saves racing for one file all succeed and leave no temporary file.
#
# Usage: interrupted_saves.sh DIRNAL_LST [--as-nobody]
set -eu

program=${1:?usage: interrupted_saves.sh DIRNAL_LST}
unprivileged=${2:-}
work=$(mktemp -d "${TMPDIR:-/tmp}/dirnal-saves.XXXXXX")
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
export XDG_STATE_HOME="$work/state"
ulimit -c 0

fail() {
    printf 'interrupted_saves: FAIL: %s\n' "$*" >&2
    exit 1
}

# The signals as a user's shell would leave them: a background job of a
# script ignores SIGINT and SIGQUIT otherwise.
run() {
    env --default-signal=INT,QUIT,TERM,HUP "$program" "$@"
}
# The same in the background, the program's process id in `pid`.
start() {
    env --default-signal=INT,QUIT,TERM,HUP "$program" "$@" &
    pid=$!
}

# A start folder, a list to keep of about 60 MB (distinct long lines), an
# old list of 80 MB: the new list is shorter, so a write cut off leaves a
# mix of both.
mkdir -p "$work/root/a" "$work/root/b" "$work/lists"
awk 'BEGIN { for (x = "x"; length(x) < 29990;) x = x x; x = substr(x, 1, 29990); for (i = 0; i < 2000; i++) printf "/k/%05d%s\r\n", i, x }' \
    >"$work/keep.lst"
awk 'BEGIN { for (x = "o"; length(x) < 29990;) x = x x; x = substr(x, 1, 29990); for (i = 0; i < 2700; i++) printf "/o/%05d%s\r\n", i, x }' \
    >"$work/old.lst"
run -q -k "$work/keep.lst" "$work/root" >"$work/new.lst"
old_size=$(wc -c <"$work/old.lst")
[ "$(wc -c <"$work/new.lst")" -lt "$old_size" ] || fail "the new list is not shorter than the old one"
lists="$work/lists"

# Starts a save of the list and stops it once the file's first bytes are the
# new list's while it still has the old size: the write is under way. Sets
# `pid`; false when the save got past that point before it was stopped.
start_and_stop_mid_write() {
    file=$1
    cp "$work/old.lst" "$file"
    start -q -k "$work/keep.lst" -o "$file" "$work/root" 2>"$work/err"
    while [ "$(head -c 2 "$file")" = "/o" ] && kill -0 "$pid" 2>/dev/null; do :; done
    kill -STOP "$pid" 2>/dev/null || return 1
    while [ "$(cut -d' ' -f3 "/proc/$pid/stat")" != T ]; do :; done
    [ "$(wc -c <"$file")" -eq "$old_size" ] && ! cmp -s "$file" "$work/old.lst" && return 0
    kill -CONT "$pid"
    wait "$pid" || true
    return 1
}

stopped_mid_write() {
    for attempt in 1 2 3 4 5; do
        start_and_stop_mid_write "$1" && return 0
    done
    fail "could not stop the save of $1 in the middle of its write: $(cat "$work/err")"
}

# The file in place: a hard link in a folder one may write, or, as nobody,
# a file one may write in a folder one may not.
if [ "$unprivileged" = --as-nobody ]; then
    cp "$work/old.lst" "$lists/dirnal.lst"
    chmod 555 "$lists"
else
    cp "$work/old.lst" "$lists/dirnal.lst"
    ln "$lists/dirnal.lst" "$lists/other name.lst"
fi
list="$lists/dirnal.lst"

# Each catchable signal waits for the write to end, then acts.
for signal in INT TERM HUP QUIT; do
    stopped_mid_write "$list"
    kill -"$signal" "$pid"
    kill -CONT "$pid"
    status=0
    wait "$pid" || status=$?
    [ "$status" -gt 128 ] || fail "SIG$signal did not end the program (exit $status)"
    cmp -s "$list" "$work/new.lst" || fail "SIG$signal during the write left neither the old nor the new list"
    [ -z "$(find "$work" -name '*dirnal-recovery*' -o -name '.dirnal.lst.*.tmp')" ] ||
        fail "SIG$signal left a recovery copy or a temporary file"
    [ "$unprivileged" = --as-nobody ] || cmp -s "$lists/other name.lst" "$work/new.lst" ||
        fail "the second name does not show the new list"
done

# SIGKILL cannot wait: the copy can put the old list back.
stopped_mid_write "$list"
kill -KILL "$pid"
wait "$pid" || true
copy=$(find "$work" -name '*dirnal-recovery*')
[ -n "$copy" ] || fail "no recovery copy after SIGKILL"
cmp -s "$copy" "$work/old.lst" || fail "the recovery copy does not hold the old list"
status=0
run -o "$list" "$work/root" 2>"$work/err" || status=$?
[ "$status" -eq 5 ] || fail "a run on the cut-off list did not refuse it (exit $status)"
grep -q "wurde unterbrochen" "$work/err" || fail "no message about the cut-off save: $(cat "$work/err")"
restore=$(sed -n 's/^ *Den alten Inhalt zurückholen: //p' "$work/err")
[ -n "$restore" ] || fail "no command to put the old list back: $(cat "$work/err")"
eval "$restore"
cmp -s "$list" "$work/old.lst" || fail "the command did not put the old list back"
run -q -o "$list" "$work/root" || fail "the list put back was not saved again"
[ -z "$(find "$work" -name '*dirnal-recovery*')" ] || fail "the copy stayed after the list was whole again"

[ "$unprivileged" = --as-nobody ] && { echo "interrupted_saves (as nobody): ok"; exit 0; }

# By rename: SIGTERM while the temporary file is written removes it.
single="$work/single.lst"
caught=""
for attempt in 1 2 3 4 5; do
    cp "$work/old.lst" "$single"
    start -q -k "$work/keep.lst" -o "$single" "$work/root"
    while [ -z "$(find "$work" -maxdepth 1 -name '.dirnal.lst.*.tmp' -size +1k)" ] && kill -0 "$pid" 2>/dev/null; do :; done
    kill -STOP "$pid" 2>/dev/null || true
    if [ -n "$(find "$work" -maxdepth 1 -name '.dirnal.lst.*.tmp')" ]; then
        caught=yes
        kill -TERM "$pid"
    fi
    kill -CONT "$pid" 2>/dev/null || true
    status=0
    wait "$pid" || status=$?
    [ -n "$caught" ] && break
done
[ -n "$caught" ] || fail "could not stop a save by rename while it wrote its temporary file"
[ "$status" -eq 143 ] || fail "SIGTERM did not end the save by rename (exit $status)"
[ -z "$(find "$work" -maxdepth 1 -name '.dirnal.lst.*.tmp')" ] || fail "SIGTERM left the temporary file"
cmp -s "$single" "$work/old.lst" || fail "SIGTERM during a save by rename changed the old list"

# Saves racing for one file.
racing=""
for n in 1 2 3 4 5 6 7 8; do
    start -q -o "$work/race.lst" "$work/root"
    racing="$racing $pid"
done
for pid in $racing; do
    wait "$pid" || fail "one of the racing saves failed"
done
run -q "$work/root" | cmp -s - "$work/race.lst" || fail "racing saves did not leave the list"
[ -z "$(find "$work" -maxdepth 1 -name '.dirnal.lst.*.tmp')" ] || fail "racing saves left temporary files"

# The access list and the extended attributes stay, on a file system that has them.
acl="$work/acl.lst"
echo old >"$acl"
if command -v setfacl >/dev/null && command -v setfattr >/dev/null &&
    setfacl -m u:nobody:rw,g::r "$acl" 2>/dev/null && setfattr -n user.dirnal -v kept "$acl" 2>/dev/null; then
    before=$(getfacl -cp "$acl"; getfattr --absolute-names -d "$acl" | tail -n +2; stat -c %a "$acl")
    inode=$(stat -c %i "$acl")
    run -q -o "$acl" "$work/root" || fail "the file with an access list was not saved"
    after=$(getfacl -cp "$acl"; getfattr --absolute-names -d "$acl" | tail -n +2; stat -c %a "$acl")
    [ "$after" = "$before" ] || fail "access list or attributes changed: $before / $after"
    [ "$(stat -c %i "$acl")" != "$inode" ] || fail "the file with an access list was not saved by rename"
else
    echo "interrupted_saves: no access lists or extended attributes here (acl, attr): that part skipped"
fi

# Again as an ordinary user, with the list in a folder only root may write.
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
    copy_of_script="$work/interrupted_saves.sh"
    cp "$0" "$copy_of_script"
    chmod 755 "$work"
    if setpriv --reuid=nobody --regid=nogroup --clear-groups test -x "$program"; then
        setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=/nonexistent TMPDIR=/tmp \
            sh "$copy_of_script" "$program" --as-nobody || fail "as nobody"
    else
        echo "interrupted_saves: the program is not reachable for nobody: that part skipped"
    fi
fi
echo "interrupted_saves: ok"
