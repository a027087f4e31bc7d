#!/bin/sh
# Installs the Debian packages the build and the tests need, where missing.
# Works as root or through sudo.
set -eu

packages="cmake ninja-build g++ pkg-config qt6-base-dev qt6-translations-l10n libgtest-dev libbenchmark-dev
fonts-liberation2 fonts-dejavu-core dpkg-dev desktop-file-utils"
if [ "${1:-}" = "--screenshot" ]; then
    packages="$packages xvfb xauth imagemagick xdotool"
fi

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" = 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "Missing packages:$missing. Install them as root (apt-get install$missing)." >&2
    exit 1
fi
echo "Installing:$missing"
$as_root apt-get update -qq
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $missing >/dev/null
