#!/bin/sh
# installer_test.sh BUILD_DIR: the Windows deliverables of BUILD_DIR (made by
# cpack there, see packaging/CMakeLists.txt) as a user gets them, under
# wine64 in the Wine prefix the caller set up (scripts/windows-tests.sh):
# the installer installs silently into Program Files with the programs just
# built, a Start-menu entry and an entry in Apps & features; the installed
# dirnal-lst.exe tells the version, the installed window opens; a second
# run asks in the system's language whether to remove the installed version,
# a reinstall into another folder (or over a folder deleted by hand) takes
# the old one's place; the uninstaller removes all of it again; the zip holds
# the same programs.
set -eu

fail() {
    echo "installer_test: FAILED: $*" >&2
    exit 1
}

[ $# -eq 1 ] || fail "usage: installer_test.sh BUILD_DIR"
build=$(cd "$1" && pwd) || fail "no build folder $1"
[ -n "${WINEPREFIX:-}" ] ||
    fail "WINEPREFIX is not set: this test installs into a Wine prefix of its own (scripts/windows-tests.sh makes one), never into ~/.wine"
wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)
[ -x "$wine64" ] || fail "wine64 not found"

# The one version of the project, as CMake has it; the packages are named after it.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no CMAKE_PROJECT_VERSION in $build/CMakeCache.txt"
installer=$build/dirnal-lst-manager-$version-win64.exe
zip=$build/dirnal-lst-manager-$version-win64.zip
built_window=$build/app/dirnal-lst-manager.exe
built_cli=$build/cli/dirnal-lst.exe
for file in "$installer" "$zip"; do
    [ -f "$file" ] || fail "$file is missing: cpack in $build makes it (scripts/build-windows.sh runs it)"
done

# A Windows path in the prefix as a Unix path.
unix_path() {
    "$wine64" winepath -u "$1" 2>/dev/null | tr -d '\r'
}

window_pid=""
cleanup() {
    if [ -n "$window_pid" ]; then
        kill "$window_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT

# --- the zip: both programs, byte for byte the ones just built -------------
echo "installer_test: $zip"
listing=$(unzip -l "$zip") || fail "unzip cannot read $zip"
top=dirnal-lst-manager-$version-win64
for entry in bin/dirnal-lst-manager.exe bin/dirnal-lst.exe LICENSE.txt LICENSE-Qt.txt COPYRIGHT.txt README.html docs/screenshot.png; do
    printf '%s\n' "$listing" | grep -q " $top/$entry\$" || fail "$zip lacks $top/$entry; it holds:
$listing"
done
unzip -p "$zip" "$top/bin/dirnal-lst-manager.exe" | cmp -s - "$built_window" ||
    fail "bin/dirnal-lst-manager.exe in $zip is not $built_window: the zip is out of date, run cpack in $build"
unzip -p "$zip" "$top/bin/dirnal-lst.exe" | cmp -s - "$built_cli" ||
    fail "bin/dirnal-lst.exe in $zip is not $built_cli: the zip is out of date, run cpack in $build"

# --- silent install --------------------------------------------------------
instdir_win='C:\Program Files\dirnal.lst Manager'
instdir=$(unix_path "$instdir_win")
[ -n "$instdir" ] || fail "winepath cannot translate $instdir_win"
shortcut=$(unix_path 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\dirnal.lst Manager\dirnal.lst Manager.lnk')
startmenu=$(dirname "$shortcut")
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\dirnal.lst Manager'
vendor_key='HKLM\Software\dirnal.lst-Manager-Team'
[ ! -e "$instdir" ] || fail "$instdir exists before the installer ran: the prefix is not fresh"

echo "installer_test: $installer /S"
started=$(date +%s)
status=0
"$wine64" "$installer" /S </dev/null >/dev/null 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "the silent installer exited with $status"
echo "installer_test: installed in $(($(date +%s) - started)) s into $instdir"

installed_window=$instdir/bin/dirnal-lst-manager.exe
installed_cli=$instdir/bin/dirnal-lst.exe
for file in "$installed_window" "$installed_cli" "$instdir/LICENSE.txt" "$instdir/LICENSE-Qt.txt" "$instdir/README.html"; do
    [ -f "$file" ] || fail "the installer did not install $file; $instdir holds: $(ls -R "$instdir" 2>&1)"
done
cmp -s "$installed_window" "$built_window" ||
    fail "the installed dirnal-lst-manager.exe is not $built_window: the installer is out of date, run cpack in $build"
cmp -s "$installed_cli" "$built_cli" ||
    fail "the installed dirnal-lst.exe is not $built_cli: the installer is out of date, run cpack in $build"
[ -f "$instdir/Uninstall.exe" ] || fail "no uninstaller $instdir/Uninstall.exe"
[ -f "$shortcut" ] || fail "no Start-menu entry $shortcut"
[ -f "$startmenu/Dokumentation.lnk" ] || fail "no Start-menu entry for the documentation in $startmenu: $(ls "$startmenu" 2>&1)"

# Apps & features lists it by name, with the window's icon, and removes it
# with the uninstaller.
registry=$("$wine64" reg query "$uninstall_key" 2>/dev/null) ||
    fail "no entry $uninstall_key in the registry"
registry=$(printf '%s\n' "$registry" | tr -d '\r')
for value in 'DisplayName.*REG_SZ *dirnal\.lst Manager$' \
    'DisplayVersion.*REG_SZ *'"$version"'$' \
    'DisplayIcon.*REG_SZ *C:\\Program Files\\dirnal\.lst Manager\\bin\\dirnal-lst-manager\.exe$' \
    'UninstallString.*REG_SZ *"C:\\Program Files\\dirnal\.lst Manager\\Uninstall\.exe"$'; do
    printf '%s\n' "$registry" | grep -q "$value" || fail "the uninstall entry lacks /$value/; it holds:
$registry"
done

# --- the installed programs run ---------------------------------------------
cli_version=$("$wine64" "$installed_cli" --version 2>&1 </dev/null) ||
    fail "the installed dirnal-lst.exe --version failed: $cli_version"
cli_version=$(printf '%s\n' "$cli_version" | tr -d '\r')
[ "$cli_version" = "dirnal-lst $version" ] ||
    fail "the installed dirnal-lst.exe --version printed '$cli_version', not 'dirnal-lst $version'"
echo "installer_test: installed dirnal-lst.exe --version: $cli_version"

# The window as the Start-menu entry starts it, on the display. It counts as
# open when its main window shows: a process that is merely alive may be
# showing Qt's error box instead (no platform plugin, say).
"$wine64" "$installed_window" </dev/null >/dev/null 2>&1 &
window_pid=$!
title=""
waited=0
while [ "$waited" -lt 30 ]; do
    sleep 1
    waited=$((waited + 1))
    kill -0 "$window_pid" 2>/dev/null || fail "the installed dirnal-lst-manager.exe ended after $waited s"
    if [ -n "${DISPLAY:-}" ] && command -v xwininfo >/dev/null 2>&1; then
        title=$(xwininfo -root -tree 2>/dev/null | grep -o '"dirnal\.lst-Manager[^"]*"' | head -n 1) || true
        [ -n "$title" ] && [ "$waited" -ge 3 ] && break
    elif [ "$waited" -ge 5 ]; then
        break
    fi
done
if [ -n "${DISPLAY:-}" ] && command -v xwininfo >/dev/null 2>&1; then
    [ -n "$title" ] || fail "the installed dirnal-lst-manager.exe runs, but no window dirnal.lst-Manager showed within $waited s"
    echo "installer_test: the installed window shows $title"
else
    echo "installer_test: no display or no xwininfo (x11-utils): checked only that the window's process keeps running"
fi
kill -0 "$window_pid" 2>/dev/null || fail "the installed dirnal-lst-manager.exe ended after $waited s"
kill "$window_pid"
wait "$window_pid" 2>/dev/null || true
window_pid=""
echo "installer_test: the installed window ran for $waited s"

# --- the question before a reinstall, in the system's language --------------
# Wine traces the message box's text; Escape answers it with Cancel.
for case in 'de_DE.UTF-8|ist bereits installiert.\n\nSoll die alte Version vor der Installation der neuen deinstalliert werden?' \
    'en_US.UTF-8|is already installed.\n\nDo you want to uninstall the old version before installing the new one?'; do
    locale=${case%%|*}
    trace=$WINEPREFIX/msgbox-$locale.log
    LC_ALL=$locale WINEDEBUG=+msgbox "$wine64" "$installer" </dev/null >/dev/null 2>"$trace" &
    window_pid=$!
    waited=0
    while ! grep -qs MSGBOX_OnInit "$trace" && [ "$waited" -lt 30 ]; do
        sleep 1
        waited=$((waited + 1))
    done
    xdotool search --name "dirnal.lst Manager $version" key --window %1 Escape >/dev/null 2>&1 || true
    waited=0
    while kill -0 "$window_pid" 2>/dev/null && [ "$waited" -lt 10 ]; do
        sleep 1
        waited=$((waited + 1))
    done
    cleanup
    wait "$window_pid" 2>/dev/null || true
    window_pid=""
    grep -qF "L\"dirnal.lst Manager ${case#*|}\"" "$trace" ||
        fail "under $locale the installer did not ask '${case#*|}'; it showed: $(grep MSGBOX "$trace")"
done
echo "installer_test: the installer asks before a reinstall in German and in English"

# --- reinstall: into another folder, then over a folder deleted by hand ------
# The old installation goes, wherever it was; the first reinstall runs in
# German, so its uninstaller's Start-menu entry is the German one.
reinstall() { # LOCALE ARGUMENT...: a silent install that must end by itself
    locale=$1
    shift
    status=0
    LC_ALL=$locale timeout 120 "$wine64" "$installer" /S "$@" </dev/null >/dev/null 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "the silent installer $* under $locale exited with $status"
}
other_win='C:\Tools\dirnal.lst'
other=$(unix_path "$other_win")
echo "installer_test: $installer /S /D=$other_win"
reinstall de_DE.UTF-8 "/D=$other_win"
[ ! -e "$instdir" ] || fail "a reinstall into $other left the old folder: $(ls -R "$instdir" 2>&1)"
[ -f "$other/bin/dirnal-lst-manager.exe" ] && [ -f "$other/Uninstall.exe" ] ||
    fail "the reinstall did not install into $other: $(ls -R "$other" 2>&1)"
[ -f "$startmenu/Deinstallieren.lnk" ] || fail "no German uninstall entry in $startmenu: $(ls "$startmenu" 2>&1)"

rm -rf "$other"
echo "installer_test: $installer /S over the deleted $other"
reinstall en_US.UTF-8
[ -f "$installed_window" ] || fail "no install over the deleted folder $other"

# --- silent uninstall -------------------------------------------------------
# The uninstaller copies itself to the temporary folder and returns at once;
# the copy removes the folder. It leaves nothing of either installation.
echo "installer_test: Uninstall.exe /S"
"$wine64" "$instdir/Uninstall.exe" /S </dev/null >/dev/null 2>&1 || fail "the uninstaller failed to start"
waited=0
while [ -e "$instdir" ] && [ "$waited" -lt 60 ]; do
    sleep 1
    waited=$((waited + 1))
done
# Under Wine the uninstaller's copy now and then cannot remove the folder
# itself once it is empty (also with CPack's own script; never a file is
# left): an empty folder is reported, anything in it fails the test.
if [ -e "$instdir" ]; then
    [ -z "$(ls -A "$instdir")" ] || fail "the uninstaller left $instdir: $(ls -R "$instdir" 2>&1)"
    echo "installer_test: note: Wine left the empty folder $instdir behind"
fi
[ ! -e "$startmenu" ] || fail "the uninstaller left the Start-menu folder $startmenu: $(ls "$startmenu" 2>&1)"
for key in "$uninstall_key" "$vendor_key"; do
    if "$wine64" reg query "$key" >/dev/null 2>&1; then
        fail "the uninstaller left $key"
    fi
done

echo "installer_test: OK (dirnal-lst-manager $version: zip, install, run, reinstall, uninstall)"
