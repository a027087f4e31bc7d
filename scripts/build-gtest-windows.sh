#!/bin/sh
# Puts the GoogleTest the Windows build's tests link into a cache folder
# outside the checkout, beside the Qt of scripts/build-qt-windows.sh, and
# prints its prefix (the only line on standard output; progress goes to
# standard error): Debian's googletest sources (/usr/src/googletest) built
# with the project's MinGW-w64 toolchain, static, Release, without gmock.
# The first run takes about a minute; later runs find the cache.
# Installs what is missing (as root or via sudo).
set -eu
cd "$(dirname "$0")/.."

scripts/install-packages.sh cmake ninja-build g++-mingw-w64-x86-64-posix googletest

source=/usr/src/googletest
version=$(dpkg-query -W -f='${Version}' googletest)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/dirnal-lst
prefix=$cache/googletest-$version-mingw64-static
stamp=$prefix/.dirnal-complete   # written last: a half-made prefix is never taken

say() { echo "build-gtest-windows: $*" >&2; }

if [ -f "$stamp" ]; then
    echo "$prefix"
    exit 0
fi

mkdir -p "$cache"
rm -rf "$prefix"
work=$(mktemp -d "$prefix.work.XXXXXX")
trap 'rm -rf "$work"' EXIT

started=$(date +%s)
say "building GoogleTest $version for Windows from $source"
cmake -S "$source" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$work/install" \
    -DBUILD_GMOCK=OFF >&2
cmake --build "$work/build" >&2
cmake --install "$work/build" >&2
# Relocatable: the finished prefix moves into the cache as a whole.
mv "$work/install" "$prefix"

[ -f "$prefix/lib/cmake/GTest/GTestConfig.cmake" ] || { say "$prefix has no GTestConfig.cmake"; rm -rf "$prefix"; exit 1; }
touch "$stamp"
say "GoogleTest ready in $(($(date +%s) - started)) s"
echo "$prefix"
