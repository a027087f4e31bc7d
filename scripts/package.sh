#!/bin/sh
# Installs what is missing, builds a release, and makes the Debian package
# build-release-package/dirnal-lst-manager_<version>_<arch>.deb.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-release-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DDIRNAL_BUILD_TESTS=OFF \
    -DDIRNAL_BUILD_BENCH=OFF >/dev/null
cmake --build build-release-package
cd build-release-package
cpack -G DEB
ls -l ./*.deb
