#!/bin/sh
# Runs a test binary as an ordinary user. Root reads every directory, so the
# tests of unreadable directories only mean something without it.
# Exit code 77 tells ctest the test was skipped.
if [ "$(id -u)" != 0 ]; then
    exec "$@"
fi
command -v setpriv >/dev/null 2>&1 || exit 77
as_nobody="setpriv --reuid=nobody --regid=nogroup --clear-groups"
$as_nobody test -x "$1" || { echo "the test binary is not reachable for nobody: skipped"; exit 77; }
cd /tmp && exec $as_nobody "$@"
