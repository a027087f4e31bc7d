#!/bin/sh
# Times the generator's walk against find and fd, in one run:
#  - locally, on a synthetic tree of about 32,000 directories and 64,000
#    files (warm cache), with the system calls per directory listed;
#  - as on a network share: on benchfs (bench/benchfs.c), a FUSE file system
#    of ours whose every listing takes 1 ms, mounted afresh for every run,
#    on a wide tree, a deep narrow one and the wide one with a heavy tail
#    (1 % of the folders answer after 50 ms), with the requests each tool
#    sends per folder;
#  - in the process, with 1 ms added to every listing, at several numbers of
#    listings at once.
# Every figure is the best of several runs, the tools taking turns, and
# the ratios are taken within this run. The walk's list is checked to be
# byte for byte the list of the walk one listing at a time.
#   bench/walk-benchmark.sh [--local] [--share] [--in-process] [TREE_FOLDER]
# Without a part named, all three.
set -eu
cd "$(dirname "$0")/.."

parts=""
tree=/tmp/dirnal-bench-tree
for argument in "$@"; do
    case $argument in
    --local | --share | --in-process) parts="$parts ${argument#--}" ;;
    *) tree=$argument ;;
    esac
done
[ -n "$parts" ] || parts="local share in-process"
wants() { case " $parts " in *" $1 "*) return 0 ;; esac; return 1; }
runs=${DIRNAL_BENCH_RUNS:-5}

need=""
command -v fdfind >/dev/null 2>&1 || need="$need fd-find"
command -v perf >/dev/null 2>&1 || command -v strace >/dev/null 2>&1 || need="$need strace"
if wants share; then
    command -v fusermount3 >/dev/null 2>&1 || need="$need fuse3"
    pkg-config --exists fuse3 2>/dev/null || need="$need libfuse3-dev pkg-config"
fi
if [ -n "$need" ]; then
    as_root=""
    [ "$(id -u)" = 0 ] || as_root="sudo"
    $as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $need >/dev/null
fi

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DDIRNAL_BUILD_UI=OFF -DDIRNAL_BUILD_TESTS=OFF \
    >/dev/null
cmake --build build-release --target dirnal_walk >/dev/null
# DIRNAL_BENCH_WALK: another build of dirnal_walk to time, such as one of
# the main branch, to compare with in the same way.
walk=${DIRNAL_BENCH_WALK:-build-release/bench/dirnal_walk}
work=$(mktemp -d)
mount=$work/share
daemon=""
cleanup() {
    if [ -n "$daemon" ]; then
        fusermount3 -u -z "$mount" 2>/dev/null || true
        kill "$daemon" 2>/dev/null || true
        wait "$daemon" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Milliseconds a command takes, its output thrown away.
time_ms() {
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(( (end - start) / 1000000 ))
}
smaller() { [ -z "$2" ] || [ "$1" -lt "$2" ] && echo "$1" || echo "$2"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v r="$1" -v t="$2" 'BEGIN { print (r <= t ? "met" : "MISSED") }'; }
failed=0

if wants local || wants in-process; then
    if [ ! -f "$tree/.complete" ]; then
        echo "Building the tree in $tree ..."
        rm -rf "$tree"
        python3 - "$tree" <<'PY'
import os, sys
root = sys.argv[1]
# 20 x 40 x 39 = 31,200 leaf folders under 820 inner ones; two files in
# every leaf folder.
for a in range(20):
    for b in range(40):
        for c in range(39):
            leaf = os.path.join(root, f"Projekt{a:02d}", f"Baugruppe{b:02d}", f"Teil{c:02d}")
            os.makedirs(leaf)
            for name in ("modell.prt", "zeichnung.drw"):
                open(os.path.join(leaf, name), "w").close()
open(os.path.join(root, ".complete"), "w").close()
PY
    fi
fi

if wants local; then
    dirs=$(find "$tree" -mindepth 1 -type d | wc -l)
    echo "Local tree: $dirs directories, $(find "$tree" -type f | wc -l) files, warm cache"
    find_ms="" fd_ms="" walk_ms="" walk1_ms=""
    for _ in $(seq "$runs"); do
        find_ms=$(smaller "$(time_ms find "$tree" -mindepth 1 -type d)" "$find_ms")
        fd_ms=$(smaller "$(time_ms fdfind --type d --no-ignore --hidden . "$tree")" "$fd_ms")
        walk_ms=$(smaller "$(time_ms "$walk" "$tree" --print)" "$walk_ms")
        walk1_ms=$(smaller "$(time_ms "$walk" "$tree" --print --pool 1)" "$walk1_ms")
    done
    reference=$("$walk" "$tree" --pool 1 --print | sha256sum)
    [ "$("$walk" "$tree" --print | sha256sum)" = "$reference" ] && same="same bytes" || { same="DIFFERENT BYTES"; failed=1; }
    echo "  find -mindepth 1 -type d          ${find_ms} ms"
    echo "  fdfind --type d --no-ignore       ${fd_ms} ms"
    echo "  walk, one listing at a time       ${walk1_ms} ms"
    echo "  walk, default (48 at once)        ${walk_ms} ms ($same as one at a time)"
    to_fd=$(ratio "$walk_ms" "$fd_ms")
    to_find=$(ratio "$walk_ms" "$find_ms")
    echo "  ratio walk / fd   $to_fd (target <= 0.80: $(verdict "$to_fd" 0.80))"
    echo "  ratio walk / find $to_find (target <= 0.40: $(verdict "$to_find" 0.40))"
    # System calls of all threads; perf counts them without slowing them
    # down (strace does, and the walk then lists fewer siblings in one go).
    system_calls() {
        if perf stat -e raw_syscalls:sys_enter -x, -o "$work/perf.txt" "$@" >/dev/null 2>&1; then
            awk -F, '$3 == "raw_syscalls:sys_enter" {print $1}' "$work/perf.txt"
        else
            strace -f -c -o "$work/strace.txt" "$@" >/dev/null
            awk '$NF == "total" {print $4}' "$work/strace.txt"
        fi
    }
    calls=$(system_calls "$walk" "$tree" --pool 1)
    fd_calls=$(system_calls fdfind --type d --no-ignore --hidden . "$tree")
    awk -v c="$calls" -v f="$fd_calls" -v d="$dirs" 'BEGIN {
        printf "  system calls per directory listed: walk %.2f (target <= 5), fdfind %.2f\n", c / (d + 1), f / (d + 1) }'
    echo
fi

if wants share; then
    if [ ! -c /dev/fuse ] || ! cmake --build build-release --target benchfs >/dev/null 2>&1; then
        echo "No FUSE here (/dev/fuse, fusermount3 and libfuse3 needed): the share part is skipped"
    else
        benchfs=build-release/bench/benchfs
        mkdir -p "$mount"
        # Mounts the tree afresh (nothing cached), runs the command and
        # unmounts; its milliseconds go to $work/ms, the requests the file
        # system served to $work/counts.
        on_share() {
            mounted_shape=$1
            shift
            # shellcheck disable=SC2086
            "$benchfs" "$mount" $mounted_shape --counts "$work/counts" &
            daemon=$!
            for _ in $(seq 200); do
                grep -q " $mount fuse" /proc/mounts && break
                sleep 0.02
            done
            grep -q " $mount fuse" /proc/mounts || { echo "benchfs did not mount on $mount" >&2; exit 1; }
            time_ms "$@" > "$work/ms"
            fusermount3 -u "$mount"
            wait "$daemon"
            daemon=""
        }
        # Requests per folder the last run on the share sent.
        per_folder() {
            awk '$1 == "FOLDERS" { f = $2 } $1 != "FOLDERS" { n[$1] = $2 }
                 END { printf "LOOKUP %.2f  OPENDIR %.2f  READDIR %.2f  GETATTR %.2f  RELEASEDIR %.2f  other %.2f",
                       n["LOOKUP"] / f, n["OPENDIR"] / f, n["READDIR"] / f, n["GETATTR"] / f, n["RELEASEDIR"] / f,
                       (n["STATFS"] + n["OTHER"]) / f }' "$work/counts"
        }
        wide="--levels 8,8,8,9"
        echo "On a share: benchfs, 1 ms per listing, mounted afresh for every run"
        for tree_name in wide deep tail; do
            case $tree_name in
            wide) shape="$wide --delay-ms 1" title="wide tree, 4 levels (8, 8, 8, 9 subfolders)" ;;
            deep) shape="--levels 2,2,2,2,2,2,2,2,2,2,2,2 --delay-ms 1" title="deep narrow tree, 12 levels of 2 subfolders" ;;
            tail) shape="$wide --delay-ms 1 --tail 1:50" title="wide tree, 1 % of the folders answer after 50 ms" ;;
            esac
            on_share "$shape --delay-ms 0" true
            folders=$(awk '$1 == "FOLDERS" {print $2}' "$work/counts")
            echo "  $title: $folders folders"
            walk_ms="" fd32_ms="" fd48_ms=""
            for _ in $(seq "$runs"); do
                on_share "$shape" sh -c "$walk $mount --print > $work/walk.lst"
                walk_ms=$(smaller "$(cat "$work/ms")" "$walk_ms")
                walk_counts=$(per_folder)
                on_share "$shape" fdfind -j 32 --type d --no-ignore --hidden . "$mount"
                fd32_ms=$(smaller "$(cat "$work/ms")" "$fd32_ms")
                fd_counts=$(per_folder)
                # As many threads as the walk lists on.
                on_share "$shape" fdfind -j 48 --type d --no-ignore --hidden . "$mount"
                fd48_ms=$(smaller "$(cat "$work/ms")" "$fd48_ms")
            done
            on_share "$shape" fdfind --type d --no-ignore --hidden . "$mount"
            fd_ms=$(cat "$work/ms")
            on_share "$shape" find "$mount" -mindepth 1 -type d
            find_ms=$(cat "$work/ms")
            find_counts=$(per_folder)
            # One listing at a time, on the same tree answering at once.
            on_share "$shape --delay-ms 0 --tail 0:0" sh -c "$walk $mount --print --pool 1 > $work/sequential.lst"
            cmp -s "$work/walk.lst" "$work/sequential.lst" && same="same bytes" || { same="DIFFERENT BYTES"; failed=1; }
            to_fd32=$(ratio "$walk_ms" "$fd32_ms")
            echo "    walk, default (48 at once)   ${walk_ms} ms ($same as one at a time)"
            echo "    fdfind -j 32                 ${fd32_ms} ms"
            echo "    fdfind -j 48                 ${fd48_ms} ms (ratio walk / it: $(ratio "$walk_ms" "$fd48_ms"))"
            echo "    fdfind (its default)         ${fd_ms} ms"
            echo "    find                         ${find_ms} ms"
            echo "    ratio walk / fdfind -j 32    $to_fd32 (target <= 0.80: $(verdict "$to_fd32" 0.80))"
            echo "    requests per folder, walk:   $walk_counts"
            echo "    requests per folder, fdfind: $fd_counts"
            echo "    requests per folder, find:   $find_counts"
        done
        echo
    fi
fi

if wants in-process; then
    echo "In the process, 1 ms added to every listing of the local tree:"
    reference=$("$walk" "$tree" --pool 1 --print | sha256sum)
    for pool in 16 32 64; do
        ms=$(time_ms sh -c "$walk $tree --pool $pool --latency-ms 1 --print > $work/slow.lst")
        [ "$(sha256sum < "$work/slow.lst")" = "$reference" ] && same="same bytes" || { same="DIFFERENT BYTES"; failed=1; }
        echo "  $pool at once: ${ms} ms ($same as one at a time)"
    done
fi
exit $failed
