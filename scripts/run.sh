#!/bin/sh
# Installs what is missing, builds, and starts the window.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "There is no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Start it on a virtual display instead:  xvfb-run -a build/app/dirnal-lst-manager" >&2
    echo "(apt-get install xvfb xauth  brings xvfb-run.)" >&2
    exit 1
fi
exec build/app/dirnal-lst-manager
