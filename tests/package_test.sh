#!/bin/sh
# Builds the Debian package from the given build folder and checks it: the
# programs, the desktop entry (valid), the metadata, the icons, and
# dependencies computed from the programs.
set -eu
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
status=0
for path in ./usr/bin/dirnal-lst-manager ./usr/bin/dirnal-lst \
    ./usr/share/applications/example.dirnal_lst.Manager.desktop \
    ./usr/share/metainfo/example.dirnal_lst.Manager.metainfo.xml \
    ./usr/share/icons/hicolor/48x48/apps/example.dirnal_lst.Manager.png \
    ./usr/share/icons/hicolor/128x128/apps/example.dirnal_lst.Manager.png \
    ./usr/share/icons/hicolor/256x256/apps/example.dirnal_lst.Manager.png \
    ./usr/share/icons/hicolor/scalable/apps/example.dirnal_lst.Manager.svg; do
    if echo "$contents" | grep -qx "$path"; then echo "ok: $path"; else echo "MISSING: $path"; status=1; fi
done
dpkg-deb -x "$deb" "$out/root"
desktop-file-validate "$out/root/usr/share/applications/example.dirnal_lst.Manager.desktop" && echo "ok: desktop entry valid" \
    || status=1
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libqt6widgets6 libc6 fonts-liberation2; do
    echo "$depends" | grep -q "$library" || { echo "MISSING dependency: $library"; status=1; }
done
echo "$(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version): $(basename "$deb")"
exit $status
