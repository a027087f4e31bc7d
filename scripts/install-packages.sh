#!/bin/sh
# Installs the given Debian packages where they are missing, as root or
# through sudo. Speaks on standard error only, so that callers may print
# their own results on standard output.
#   scripts/install-packages.sh PACKAGE...
set -eu

missing=""
for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" = 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "Missing packages:$missing. Install them as root (apt-get install$missing)." >&2
    exit 1
fi
echo "Installing:$missing" >&2
$as_root apt-get update -qq >&2
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $missing >/dev/null
