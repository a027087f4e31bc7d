#!/bin/sh
# Builds the core and the OS part of the platform layer for Windows with
# MinGW-w64 and runs their tests under wine64 in a fresh Wine prefix.
# Installs the cross compiler and Wine where missing (as root or via sudo).
set -eu
cd "$(dirname "$0")/.."

missing=""
for package in g++-mingw-w64-x86-64-posix wine64 googletest cmake ninja-build; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
done
if [ -n "$missing" ]; then
    as_root=""
    [ "$(id -u)" = 0 ] || as_root="sudo"
    echo "Installing:$missing"
    $as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi

cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DDIRNAL_WERROR=ON -DDIRNAL_BUILD_UI=OFF -DDIRNAL_BUILD_BENCH=OFF >/dev/null
cmake --build build-windows

WINEPREFIX=$(mktemp -d)
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver_kill; rm -rf "$WINEPREFIX"' EXIT
wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver_kill() { "$(dirname "$wine64")/wineserver" -k 2>/dev/null || true; }
"$wine64" wineboot --init >/dev/null 2>&1
cd build-windows
ctest --output-on-failure --timeout 300
