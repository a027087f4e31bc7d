#!/bin/sh
# Cross-builds the whole program for Windows (scripts/build-windows.sh) and
# runs every test suite it builds under wine64 in a fresh Wine prefix: the
# core, the Win32 platform layer and the window's tests, these on Qt's
# offscreen platform (tests/ui/main.cpp chooses it, and the Liberation
# fonts, itself: Wine passes no QT_* variable on).
# Wine runs on a virtual display all the same, with an idle Notepad open
# throughout: each program that touches a window needs Wine's desktop
# process, which fails to start without a display and otherwise closes
# with the last window; started again for every test, it costs 7 to 21
# seconds a test, kept open, none.
# A test of saves cut into builds the FUSE file system tests/fuse/slowfs.c
# for this machine, with its C compiler and libfuse3.
# Installs what is missing (as root or via sudo).
set -eu
cd "$(dirname "$0")/.."

if [ "${1:-}" != "--on-virtual-display" ]; then
    scripts/install-packages.sh wine64 fonts-liberation2 xvfb xauth xdotool imagemagick x11-utils unzip \
        gcc pkg-config libfuse3-dev fuse3
    scripts/build-windows.sh
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$PWD/scripts/windows-tests.sh" --on-virtual-display
fi

# Wine reads the Linux file names in the locale's character set: without a
# UTF-8 locale every name beyond ASCII would reach the programs mangled.
case $(locale charmap 2>/dev/null) in
UTF-8) ;;
*) export LC_ALL=C.UTF-8 ;;
esac
WINEPREFIX=$(mktemp -d)
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver_kill; rm -rf "$WINEPREFIX"' EXIT
wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver_kill() { "$(dirname "$wine64")/wineserver" -k 2>/dev/null || true; }
# One Wine session for all tests, started away from ctest's output pipes.
"$(dirname "$wine64")/wineserver" -p >/dev/null 2>&1
"$wine64" wineboot --init >/dev/null 2>&1
"$wine64" notepad </dev/null >/dev/null 2>&1 &
ctest --preset windows
