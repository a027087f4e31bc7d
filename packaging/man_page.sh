#!/bin/sh
# Makes a program's German manual page from its --help and --version with
# help2man, with the headings in German, compressed as Debian wants it.
#   man_page.sh PROGRAM "SHORT DESCRIPTION" OUTPUT.1.gz
set -eu
program=$1
description=$2
output=$3
# help2man writes the help's umlauts only in a UTF-8 locale (its own default
# is C); the page's date is SOURCE_DATE_EPOCH's where the build sets it.
LC_ALL=C.UTF-8 help2man --locale=C.UTF-8 --no-info --no-discard-stderr --section=1 \
    --manual="Benutzerbefehle" --name="$description" "$program" |
    sed -e 's/^\.SH NAME$/.SH BEZEICHNUNG/' -e 's/^\.SH DESCRIPTION$/.SH BESCHREIBUNG/' |
    gzip -9n >"$output"
