#!/bin/sh
# Builds the whole test suite with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs it: any memory error, leak or
# undefined behaviour fails the test it happens in.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDIRNAL_SANITIZE=ON -DDIRNAL_WERROR=ON \
    -DDIRNAL_BUILD_BENCH=OFF >/dev/null
cmake --build build-sanitize
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# Leaks inside the system's font and graphics libraries are theirs, not ours.
export LSAN_OPTIONS="suppressions=$PWD/tests/leak-suppressions.txt:print_suppressions=0"
cd build-sanitize
ctest --output-on-failure --timeout 600 -j2
