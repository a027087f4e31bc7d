#!/bin/sh
# Installs what is missing, builds, and runs every test:
#  1. the native tests (the window's on Qt's offscreen platform, never on
#     the user's display or settings),
#  2. the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer,
#  3. the fuzz targets, a fixed set of inputs grown from their seeds,
#  4. the Windows build's tests under Wine.
# With --native-only only the first part runs.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
failed=""
ctest --preset default || failed="$failed native"
if [ "${1:-}" != "--native-only" ]; then
    scripts/sanitize-tests.sh || failed="$failed sanitizers"
    scripts/fuzz.sh --repeatable || failed="$failed fuzzing"
    scripts/windows-tests.sh || failed="$failed windows"
fi
[ -z "$failed" ] || { echo "Failed:$failed" >&2; exit 1; }
