#!/bin/sh
# Times the player's start: from starting `telvo --first-frame DOCUMENT` to its first painted
# frame (the process ends there), next to a bare Qt program that paints one empty window, on
# Qt's offscreen platform, alternating the two. Prints each run and the medians in milliseconds.
# Usage: scripts/time-start.sh BUILD_DIR [DOCUMENT] [RUNS]
set -eu
build=${1:?usage: scripts/time-start.sh BUILD_DIR [DOCUMENT] [RUNS]}
document=${2:-$build/demo/demo.kiv}
runs=${3:-15}
export QT_QPA_PLATFORM=offscreen
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"

elapsed_ms() {
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

"$build/tests/bench/telvo_bare_window" >/dev/null 2>&1  # warm the caches once
"$build/src/app/telvo" --first-frame "$document" >/dev/null 2>&1
: >"$runtime/menu.txt"
: >"$runtime/bare.txt"
i=0
while [ "$i" -lt "$runs" ]; do
  elapsed_ms "$build/src/app/telvo" --first-frame "$document" >>"$runtime/menu.txt"
  elapsed_ms "$build/tests/bench/telvo_bare_window" >>"$runtime/bare.txt"
  i=$((i + 1))
done
menu=$(median <"$runtime/menu.txt")
bare=$(median <"$runtime/bare.txt")
echo "menu runs (ms): $(tr '\n' ' ' <"$runtime/menu.txt")"
echo "bare runs (ms): $(tr '\n' ' ' <"$runtime/bare.txt")"
echo "median: menu $menu ms, bare Qt window $bare ms, ratio $(awk "BEGIN { printf \"%.2f\", $menu / $bare }")"
