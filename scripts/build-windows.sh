#!/bin/sh
# Cross-builds the whole program for 64-bit Windows into build-windows/
# (Release, warnings are errors): the window dirnal-lst-manager.exe, the
# command-line tool dirnal-lst.exe and every test suite, with MinGW-w64
# against the static Qt of scripts/build-qt-windows.sh. Both programs are
# single static .exe files that need no DLL beside them. Then packs them
# for users (packaging/CMakeLists.txt): a zip to unpack and start, and an
# installer made with NSIS's makensis.
# Installs what is missing (as root or via sudo).
set -eu
cd "$(dirname "$0")/.."

scripts/install-packages.sh g++-mingw-w64-x86-64-posix cmake ninja-build nsis cmark qt6-translations-l10n qt6-l10n-tools \
    qt6-tools-dev

# The static Qt and GoogleTest for Windows, each cached outside the checkout;
# the windows preset takes their prefixes from these two variables.
DIRNAL_WINDOWS_QT=$(scripts/build-qt-windows.sh)
DIRNAL_WINDOWS_GTEST=$(scripts/build-gtest-windows.sh)
export DIRNAL_WINDOWS_QT DIRNAL_WINDOWS_GTEST

# A folder configured another way (an older Qt, or without it) starts afresh:
# CMake keeps the toolchain of its first run.
toolchain=$DIRNAL_WINDOWS_QT/lib/cmake/Qt6/qt.toolchain.cmake
if [ -f build-windows/CMakeCache.txt ] &&
    ! grep -qx "CMAKE_TOOLCHAIN_FILE:[A-Z]*=$toolchain" build-windows/CMakeCache.txt; then
    rm -rf build-windows
fi

# The preset configures with Qt's toolchain file, which loads the project's
# (cmake/mingw-w64-x86_64.cmake).
cmake --preset windows >/dev/null
cmake --build --preset windows
ls -l build-windows/app/dirnal-lst-manager.exe build-windows/cli/dirnal-lst.exe
(cd build-windows && cpack >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' build-windows/CMakeCache.txt)
ls -l "build-windows/dirnal-lst-manager-$version-win64.zip" "build-windows/dirnal-lst-manager-$version-win64.exe"
