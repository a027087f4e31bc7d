#!/bin/sh
# Installs what is missing, builds, and runs every test: the native tests
# (the window's on Qt's offscreen platform, never on the user's display or
# settings), then the Windows build's tests under Wine.
# With --native-only the Windows part is left out.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
native=0
(cd build && ctest --output-on-failure --timeout 300 -j2) || native=$?
[ "${1:-}" = "--native-only" ] && exit "$native"
windows=0
scripts/windows-tests.sh || windows=$?
[ "$native" = 0 ] && [ "$windows" = 0 ]
