#!/bin/sh
# Under Wine: what dirnal-lst.exe makes of names and list files that are not
# plain Windows-1252. Names the code page cannot hold go in by their short
# names or are left out with exit code 6; list files an editor saved as
# UTF-16 (with its mark), UTF-8 (with or without a mark) or in the ANSI code
# page are read to the same entries and saved back in Windows-1252 with
# CR LF, never with a NUL byte.
#
# Usage: list_file_encodings.sh BUILD_DIR, in the Wine prefix that
# scripts/windows-tests.sh sets up.
set -eu

cli_exe="$(cd "${1:?usage: list_file_encodings.sh BUILD_DIR}" && pwd)/cli/dirnal-lst.exe"
wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)
drive_c="${WINEPREFIX:-$HOME/.wine}/drive_c"
root="$drive_c/enc"
work=$(mktemp -d)
trap 'rm -rf "$work" "$root"' EXIT

fail() {
    echo "list_file_encodings: FAIL: $*" >&2
    exit 1
}

# Runs dirnal-lst.exe; its exit code goes to $status, standard error to $work/err.
dirnal_lst() {
    status=0
    "$wine64" "$cli_exe" "$@" </dev/null >"$work/out" 2>"$work/err" || status=$?
}

# The file must hold exactly the bytes printf makes of the pattern.
expect_bytes() {
    printf "$2" >"$work/expected"
    cmp -s "$work/expected" "$1" || {
        od -c "$1" >&2
        fail "$3: not the expected bytes"
    }
    echo "list_file_encodings: ok: $3"
}

mkdir -p "$root/Ωmega/unter" "$root/日本" "$root/Ärger" "$root/leer"

# Ä as the single byte C4; Ωmega and 日本 by the short names Wine makes of them.
dirnal_lst -o 'C:\enc\leer\dirnal.lst' 'C:\enc'
[ "$status" -eq 0 ] || fail "a walk over names the code page cannot hold ended with $status"
expect_bytes "$root/leer/dirnal.lst" \
    'C:\\enc\\leer\r\nC:\\enc\\\304rger\r\nC:\\enc\\_MEG~MCN\r\nC:\\enc\\__~~~ONH\r\nC:\\enc\\_MEG~MCN\\unter\r\n' \
    "short names for what Windows-1252 cannot hold"
grep -q '3 Eintr.*kurzen Namen (8.3)' "$work/err" || fail "no notice of the short names: $(cat "$work/err")"

# A folder that is gone has no short name: it is left out, named, and the
# exit code says the file is incomplete.
printf 'C:\\enc\\\303\204rger\r\nC:\\enc\\\316\251fort\r\n' >"$work/keep.lst"
dirnal_lst -k 'Z:'"$(echo "$work/keep.lst" | tr / '\\')" -o 'C:\enc\leer\dirnal.lst' 'C:\enc\leer'
[ "$status" -eq 6 ] || fail "an entry left out gave exit code $status, not 6"
expect_bytes "$root/leer/dirnal.lst" 'C:\\enc\\\304rger\r\n' "an entry without a short name is left out"
grep -q 'nicht in die Datei geschrieben' "$work/err" || fail "no warning of the entry left out: $(cat "$work/err")"

# The same two entries in every encoding an editor saves; each is read
# whole and saved back in the list file's own form. UTF-16 also carries a
# line holding a NUL character, which is left out.
ansi='C:\\enc\\\304rger\r\nC:\\x y\r\n'
utf8='C:\\enc\\\303\204rger\r\nC:\\x y\r\n'
utf16le='\377\376C\0:\0\\\0e\0n\0c\0\\\0\304\0r\0g\0e\0r\0\r\0\n\0a\0\0\0\r\0\n\0C\0:\0\\\0x\0 \0y\0\r\0\n\0'
utf16be='\376\377\0C\0:\0\\\0e\0n\0c\0\\\0\304\0r\0g\0e\0r\0\r\0\n\0a\0\0\0\r\0\n\0C\0:\0\\\0x\0 \0y\0\r\0\n'
for case in "ANSI:$ansi" "UTF-8:$utf8" "UTF-8 mit BOM:\357\273\277$utf8" "UTF-16 LE:$utf16le" "UTF-16 BE:$utf16be"; do
    name=${case%%:*}
    printf "${case#*:}" >"$root/leer/dirnal.lst"
    dirnal_lst -q -k 'C:\enc\leer\dirnal.lst' -o 'C:\enc\leer\dirnal.lst' 'C:\enc\leer'
    [ "$status" -eq 0 ] || fail "$name: reading and saving back ended with $status: $(cat "$work/err")"
    expect_bytes "$root/leer/dirnal.lst" "$ansi" "$name read and saved back in Windows-1252"
done
