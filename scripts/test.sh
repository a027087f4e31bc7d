#!/bin/sh
# Installs what is missing, builds, and runs every test (the window's tests
# on Qt's offscreen platform, never on the user's display or settings).
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd build
exec ctest --output-on-failure --timeout 300 -j2
