#!/bin/sh
# Builds the libFuzzer targets with clang and runs each for the given number
# of seconds (default 60), two at a time, starting from the committed seeds.
# Findings are written to build-fuzz/findings/.
#   scripts/fuzz.sh [SECONDS]
#   scripts/fuzz.sh --repeatable   the same inputs every time (a fixed seed and
#                                  number of runs), as CI uses it
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}

scripts/install-packages.sh clang libclang-rt-14-dev cmake ninja-build

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

mkdir -p build-fuzz/findings
for target in list_file_fuzz list_operations_fuzz; do
    if [ "$seconds" = "--repeatable" ]; then
        # A fresh copy of the seeds, a fixed seed and a fixed number of runs.
        work=build-fuzz/corpus-repeatable/$target
        rm -rf "$work"
        case $target in list_file_fuzz) bound="-runs=200000" ;; *) bound="-runs=1000" ;; esac
        bound="$bound -seed=1"
    else
        work=build-fuzz/corpus/$target
        bound="-max_total_time=$seconds"
    fi
    mkdir -p "$work"
    cp -n fuzz/corpus/$target/* "$work"/ 2>/dev/null || true
    (build-fuzz/fuzz/$target "$work" $bound -artifact_prefix=build-fuzz/findings/$target- \
        -print_final_stats=1 > build-fuzz/$target.log 2>&1; echo "$target exit $?" >> build-fuzz/$target.log) &
done
wait
status=0
for target in list_file_fuzz list_operations_fuzz; do
    runs=$(grep -E '^stat::number_of_executed_units' build-fuzz/$target.log | awk '{print $2}')
    result=$(tail -n 1 build-fuzz/$target.log)
    echo "$target: ${runs:-?} executions ($result)"
    case "$result" in *"exit 0") ;; *) status=1; tail -n 30 build-fuzz/$target.log ;; esac
done
exit $status
