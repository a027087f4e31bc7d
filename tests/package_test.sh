#!/bin/sh
# Builds the Debian package from the given build folder and checks it: the
# programs, the desktop entry (valid), the metadata (valid for appstreamcli),
# the icons, the documents, dependencies computed from the programs, no
# lintian error or warning, and manual pages that name every option of the
# programs' help and the exit codes.
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
    ./usr/share/icons/hicolor/scalable/apps/example.dirnal_lst.Manager.svg \
    ./usr/share/doc/dirnal-lst-manager/copyright ./usr/share/doc/dirnal-lst-manager/changelog.gz \
    ./usr/share/doc/dirnal-lst-manager/README.html \
    ./usr/share/man/man1/dirnal-lst.1.gz ./usr/share/man/man1/dirnal-lst-manager.1.gz; do
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
appstreamcli validate --no-net --explain "$out/root/usr/share/metainfo/example.dirnal_lst.Manager.metainfo.xml" &&
    echo "ok: metadata valid" || status=1
# Errors and warnings fail; informational tags are shown.
lintian --info --pedantic --fail-on error,warning "$deb" && echo "ok: lintian" || { echo "lintian complains"; status=1; }
for program in dirnal-lst dirnal-lst-manager; do
    page=$(MANWIDTH=200 man -l "$out/root/usr/share/man/man1/$program.1.gz" 2>&1)
    for option in $("$out/root/usr/bin/$program" --help | grep -oE '(^|[ ,])--?[a-zA-Z][a-zA-Z-]*' | tr -d ' ,'); do
        echo "$page" | grep -q -- "$option" || { echo "MISSING in man $program: $option"; status=1; }
    done
done
exit_codes=$(MANWIDTH=200 man -l "$out/root/usr/share/man/man1/dirnal-lst.1.gz" | tr -s ' \n' '  ')
for code in "2 falscher Aufruf" "6 geschrieben, aber unvollständig" "7 bei --check"; do
    echo "$exit_codes" | grep -q -- "$code" || { echo "MISSING in man dirnal-lst: the exit code $code"; status=1; }
done
# No address in a domain reserved for examples, in the programs, the documents or the package's fields.
{ grep -rlaE '[@/.][a-z0-9.-]*\.(example|invalid)\b' "$out/root"; dpkg-deb -f "$deb" | grep -E '\.(example|invalid)\b'; } &&
    { echo "a placeholder address is left"; status=1; }
echo "$(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version): $(basename "$deb")"
exit $status
