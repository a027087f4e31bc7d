#!/bin/sh
# Builds the whole test suite with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs it: any memory error, leak or
# undefined behaviour fails the test it happens in.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
# The test preset sets the sanitizers' options.
ctest --preset sanitize
