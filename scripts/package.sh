#!/bin/sh
# Installs what is missing, builds a release, and makes the Debian package
# build-release-package/dirnal-lst-manager_<version>_<arch>.deb.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset package >/dev/null
cmake --build --preset package
cd build-release-package
cpack -G DEB
ls -l ./*.deb
