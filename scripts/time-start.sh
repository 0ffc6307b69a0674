#!/bin/sh
# Times the player's start: from starting `telvo --first-frame DOCUMENT` to its first painted
# frame (the process ends there), next to a bare Qt program that paints one empty window, on
# Qt's offscreen platform, alternating the two. Prints each run's time and peak resident memory
# (GNU time's maximum resident set size), then the medians and the ratios to the bare window.
# Usage: scripts/time-start.sh BUILD_DIR [DOCUMENT] [RUNS]
set -eu
build=${1:?usage: scripts/time-start.sh BUILD_DIR [DOCUMENT] [RUNS]}
document=${2:-$build/demo/demo.kiv}
runs=${3:-15}
export QT_QPA_PLATFORM=offscreen
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"

# Runs the command once; appends its time in milliseconds to $1.ms and its peak memory in KiB to
# $1.kib.
measure() {
  record=$1
  shift
  start=$(date +%s%N)
  /usr/bin/time -f %M -o "$runtime/peak" "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000000)) >>"$record.ms"
  tail -n 1 "$runtime/peak" >>"$record.kib"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk "BEGIN { printf \"%.2f\", $1 / $2 }"; }

"$build/tests/bench/telvo_bare_window" >/dev/null 2>&1  # warm the caches once
"$build/src/app/telvo" --first-frame "$document" >/dev/null 2>&1
: >"$runtime/menu.ms"
: >"$runtime/menu.kib"
: >"$runtime/bare.ms"
: >"$runtime/bare.kib"
i=0
while [ "$i" -lt "$runs" ]; do
  measure "$runtime/menu" "$build/src/app/telvo" --first-frame "$document"
  measure "$runtime/bare" "$build/tests/bench/telvo_bare_window"
  i=$((i + 1))
done
menu_ms=$(median <"$runtime/menu.ms")
bare_ms=$(median <"$runtime/bare.ms")
menu_kib=$(median <"$runtime/menu.kib")
bare_kib=$(median <"$runtime/bare.kib")
echo "menu runs (ms): $(tr '\n' ' ' <"$runtime/menu.ms")"
echo "bare runs (ms): $(tr '\n' ' ' <"$runtime/bare.ms")"
echo "menu peak memory (KiB): $(tr '\n' ' ' <"$runtime/menu.kib")"
echo "bare peak memory (KiB): $(tr '\n' ' ' <"$runtime/bare.kib")"
echo "median time: menu $menu_ms ms, bare Qt window $bare_ms ms, ratio $(ratio "$menu_ms" "$bare_ms")"
echo "median peak memory: menu $menu_kib KiB, bare Qt window $bare_kib KiB, ratio $(ratio "$menu_kib" "$bare_kib")"
