#!/bin/sh
# Times the generator's walk against find and fd on a synthetic tree of about
# 32,000 directories and 64,000 files, locally (warm cache) and with 1 ms
# added to every listing (as on a network share), and counts the system
# calls per directory listed. Prints each figure and the ratios.
#   bench/walk-benchmark.sh [TREE_FOLDER]
set -eu
cd "$(dirname "$0")/.."

need=""
command -v fdfind >/dev/null 2>&1 || need="$need fd-find"
command -v strace >/dev/null 2>&1 || need="$need strace"
if [ -n "$need" ]; then
    as_root=""
    [ "$(id -u)" = 0 ] || as_root="sudo"
    $as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $need >/dev/null
fi

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DDIRNAL_BUILD_UI=OFF -DDIRNAL_BUILD_TESTS=OFF \
    >/dev/null
cmake --build build-release --target dirnal_walk >/dev/null
walk=build-release/bench/dirnal_walk

tree=${1:-/tmp/dirnal-bench-tree}
if [ ! -f "$tree/.complete" ]; then
    echo "Building the tree in $tree ..."
    rm -rf "$tree"
    python3 - "$tree" <<'PY'
import os, sys
root = sys.argv[1]
count = 0
# 20 x 40 x 40 = 32,000 leaf folders under 820 inner ones; two files in
# every leaf folder.
for a in range(20):
    for b in range(40):
        for c in range(39):
            leaf = os.path.join(root, f"Projekt{a:02d}", f"Baugruppe{b:02d}", f"Teil{c:02d}")
            os.makedirs(leaf)
            for name in ("modell.prt", "zeichnung.drw"):
                open(os.path.join(leaf, name), "w").close()
            count += 1
open(os.path.join(root, ".complete"), "w").close()
PY
fi
dirs=$(find "$tree" -mindepth 1 -type d | wc -l)
echo "Tree: $dirs directories, $(find "$tree" -type f | wc -l) files"

# Milliseconds of the fastest of five runs of a command (warm cache).
best_ms() {
    best=""
    for _ in 1 2 3 4 5; do
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        ms=$(( (end - start) / 1000000 ))
        if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
    done
    echo "$best"
}

find_ms=$(best_ms find "$tree" -mindepth 1 -type d)
fd_ms=$(best_ms fdfind --type d --no-ignore --hidden . "$tree")
walk_ms=$(best_ms "$walk" "$tree")
walk1_ms=$(best_ms "$walk" "$tree" --pool 1)
echo
echo "Local, warm cache (best of 5):"
echo "  find -mindepth 1 -type d          ${find_ms} ms"
echo "  fdfind --type d --no-ignore       ${fd_ms} ms"
echo "  generator, one listing at a time  ${walk1_ms} ms"
echo "  generator, default pool           ${walk_ms} ms"
awk -v w="$walk_ms" -v f="$fd_ms" -v d="$find_ms" 'BEGIN {
    printf "  ratio generator / fd   %.2f (target <= 0.80)\n", w / f
    printf "  ratio generator / find %.2f (target <= 0.40)\n", w / d }'

echo
echo "1 ms per listing (a network share):"
reference=$("$walk" "$tree" --pool 1 --print | sha256sum | cut -d' ' -f1)
for pool in 1 16 32 64; do
    line=$("$walk" "$tree" --pool "$pool" --latency-ms 1)
    same=$("$walk" "$tree" --pool "$pool" --print | sha256sum | cut -d' ' -f1)
    [ "$same" = "$reference" ] && verdict="same bytes as one at a time" || verdict="DIFFERENT BYTES"
    echo "  pool $pool: $line ($verdict)"
done

echo
strace -f -c -o /tmp/dirnal-strace.txt "$walk" "$tree" --pool 1 >/dev/null
calls=$(awk '$NF == "total" {print $4}' /tmp/dirnal-strace.txt)
awk -v c="$calls" -v d="$dirs" 'BEGIN { printf "System calls: %d in all, %.2f per directory listed (target <= 5)\n", c, c / (d + 1) }'
