#!/bin/sh
# Every German text in the code has its English translation, and the
# translation file holds no text the code has dropped: updated from the
# code, a copy of translations/dirnal_en.ts must come out unchanged.
set -eu
source_dir=$(cd "${1:?usage: translations_test.sh SOURCE_DIR}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source_dir/translations/dirnal_en.ts" "$work/dirnal_en.ts"
"$source_dir/scripts/update-translations.sh" "$work/dirnal_en.ts"
if grep -q 'type="unfinished"' "$work/dirnal_en.ts"; then
    echo "FAIL: texts without an English translation (scripts/update-translations.sh, then translate):"
    grep -A1 '<source>' "$work/dirnal_en.ts" | grep -B1 'type="unfinished"' | sed -n 's/ *<source>\(.*\)<\/source>/  \1/p'
    exit 1
fi
if ! diff -u "$source_dir/translations/dirnal_en.ts" "$work/dirnal_en.ts"; then
    echo "FAIL: translations/dirnal_en.ts is behind the code: run scripts/update-translations.sh"
    exit 1
fi
echo "every text has its English translation"
