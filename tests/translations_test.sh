#!/bin/sh
# Every German text in the code has its English translation, and the
# translation file holds no text the code has dropped: updated from the
# code, a copy of the .ts file must come out unchanged.
#   translations_test.sh TS_FILE LUPDATE LUPDATE_ARGUMENT...
set -eu
ts=${1:?usage: translations_test.sh TS_FILE LUPDATE LUPDATE_ARGUMENT...}
lupdate=${2:?usage: translations_test.sh TS_FILE LUPDATE LUPDATE_ARGUMENT...}
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copy=$work/$(basename "$ts")
cp "$ts" "$copy"
"$lupdate" "$@" -ts "$copy"
if grep -q 'type="unfinished"' "$copy"; then
    echo "FAIL: texts without an English translation (scripts/update-translations.sh, then translate):"
    grep -A1 '<source>' "$copy" | grep -B1 'type="unfinished"' | sed -n 's/ *<source>\(.*\)<\/source>/  \1/p'
    exit 1
fi
if ! diff -u "$ts" "$copy"; then
    echo "FAIL: $ts is behind the code: run scripts/update-translations.sh"
    exit 1
fi
echo "every text has its English translation"
