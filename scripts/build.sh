#!/bin/sh
# Configures and builds into build/ (warnings are errors).
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDIRNAL_WERROR=ON >/dev/null
cmake --build build
