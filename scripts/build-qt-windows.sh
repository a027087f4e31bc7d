#!/bin/sh
# Puts the Qt the Windows build links into a cache folder outside the
# checkout and prints its prefix (the only line on standard output; progress
# goes to standard error):
#   qtbase 6.4.2 cross-built for x86_64-w64-mingw32, static with a static
#   runtime, Release: Core, Gui, Widgets, Test, the windows and offscreen
#   platform plugins.
# Where it comes from, the first that works:
#   1. the cache itself: nothing to do;
#   2. the prebuilt archive in ../shared/windows-sdk, if its checksum matches
#      (a minute);
#   3. Debian 12's own source of the Qt the Linux build uses, fetched with
#      `apt-get source` through a private apt configuration and built here
#      (about 3,000 CPU seconds, 25-30 minutes on two cores, some 3 GB of
#      disk while it builds).
# Installs what is missing (as root or via sudo).
set -eu
cd "$(dirname "$0")/.."

qt_version=6.4.2
debian_version=6.4.2+dfsg-10
cache=${XDG_CACHE_HOME:-$HOME/.cache}/dirnal-lst
prefix=$cache/qt-$qt_version-mingw64-static
archive=../shared/windows-sdk/qt6-mingw-$qt_version-static.tar.xz
archive_sha256=15153a0c3d621ebfc0018a9c32fed684326d40b9b4c798958c7c31ddd0fdf3a5
stamp=$prefix/.dirnal-complete   # written last: a half-made prefix is never taken

say() { echo "build-qt-windows: $*" >&2; }

if [ -f "$stamp" ]; then
    echo "$prefix"
    exit 0
fi

# What configuring against this Qt needs (the host tools moc, rcc and uic
# come from qt6-base-dev-tools), and for building it from source, dpkg-dev
# (apt-get source unpacks with dpkg-source) and the archive keyring.
packages="cmake ninja-build g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools xz-utils
dpkg-dev debian-archive-keyring"
scripts/install-packages.sh $packages

mkdir -p "$(dirname "$prefix")"
rm -rf "$prefix"
work=$(mktemp -d "$prefix.work.XXXXXX")
trap 'rm -rf "$work"' EXIT

started=$(date +%s)
if [ -f "$archive" ] && [ "$(sha256sum "$archive" | cut -d' ' -f1)" = "$archive_sha256" ]; then
    say "unpacking $archive"
    tar -xJf "$archive" -C "$work"
    mv "$work/qt6-mingw-clean" "$prefix"
else
    if [ -f "$archive" ]; then
        say "$archive does not match its checksum; building Qt from source instead"
    else
        say "no prebuilt Qt in ../shared/windows-sdk; building Qt from source (25-30 minutes on two cores)"
    fi

    # A private apt configuration that knows only Debian 12's source
    # packages; the machine's lists and caches stay as they are.
    apt_dir=$work/apt
    mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main" \
        >"$apt_dir/sources.list"
    cat >"$apt_dir/apt.conf" <<APT
Dir::Etc::SourceList "$apt_dir/sources.list";
Dir::Etc::SourceParts "$apt_dir/sources.list.d";
Dir::State::Lists "$apt_dir/lists";
Dir::Cache "$apt_dir/cache";
APT::Sandbox::User "root";
APT
    say "fetching the source of qt6-base $debian_version"
    apt-get -c "$apt_dir/apt.conf" -q update >&2
    (cd "$work" && apt-get -c "$apt_dir/apt.conf" -q source "qt6-base=$debian_version" >&2)
    source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
    [ -n "$source_dir" ] || { say "apt-get source left no qt6-base folder"; exit 1; }

    # The toolchain Qt is built with: Debian's MinGW-w64 with POSIX threads.
    cat >"$work/toolchain.cmake" <<'TOOLCHAIN'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TOOLCHAIN

    # Only what the program uses. OpenGL goes through INPUT_opengl (the
    # feature switch alone leaves dynamic GL on, and the windows plugin then
    # does not compile); Direct2D stays on (the DirectWrite font database
    # links against it) and so does FreeType (the offscreen plugin needs it).
    say "configuring qtbase in $work/build"
    cmake -S "$source_dir" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$work/install" \
        -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_SHARED_LIBS=OFF \
        -DFEATURE_static_runtime=ON \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF \
        -DINPUT_opengl=no -DFEATURE_vulkan=OFF \
        -DFEATURE_freetype=ON -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF \
        -DFEATURE_zstd=OFF -DFEATURE_icu=OFF \
        -DFEATURE_tabletevent=OFF \
        -DFEATURE_testlib=ON >&2
    say "building qtbase (ninja prints [step/total])"
    cmake --build "$work/build" >&2
    cmake --install "$work/build" >&2
    # Relocatable: the finished prefix moves into the cache as a whole.
    mv "$work/install" "$prefix"
fi

[ -x "$prefix/bin/qt-cmake" ] || { say "$prefix has no bin/qt-cmake"; rm -rf "$prefix"; exit 1; }
touch "$stamp"
say "Qt ready in $(($(date +%s) - started)) s"
echo "$prefix"
