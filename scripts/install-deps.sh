#!/bin/sh
# Installs the Debian packages the build and the tests need, where missing.
# Works as root or through sudo.
set -eu

packages="cmake ninja-build g++ pkg-config cmark help2man qt6-base-dev qt6-base-private-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev libgtest-dev libbenchmark-dev
fonts-liberation2 fonts-dejavu-core dpkg-dev desktop-file-utils acl attr lintian appstream libfuse3-dev fuse3"
if [ "${1:-}" = "--screenshot" ]; then
    packages="$packages xvfb xauth imagemagick xdotool"
fi

exec "$(dirname "$0")/install-packages.sh" $packages
