#!/bin/sh
# Brings translations/dirnal_en.ts up to date with the German texts in the
# code: new texts come in unfinished, to be translated in the file; texts no
# longer in the code go. Runs Qt's lupdate as the build in build/ finds it
# (its target update_translations). Installs what is missing.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target update_translations
