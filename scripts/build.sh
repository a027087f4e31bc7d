#!/bin/sh
# Configures and builds into build/ (warnings are errors).
set -eu
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default
