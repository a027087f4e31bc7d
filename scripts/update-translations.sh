#!/bin/sh
# Brings translations/dirnal_en.ts (or the .ts file given) up to date with
# the German texts in the code: new texts come in unfinished, to be
# translated in the file; texts no longer in the code go. Installs Qt's
# Linguist tools if missing.
set -eu
ts=$(realpath "${1:-$(dirname "$0")/../translations/dirnal_en.ts}")
cd "$(dirname "$0")/.."
[ -x /usr/lib/qt6/bin/lupdate ] || scripts/install-packages.sh qt6-l10n-tools
/usr/lib/qt6/bin/lupdate -silent -locations none -no-obsolete -source-language de -target-language en \
    core ui app -ts "$ts"
