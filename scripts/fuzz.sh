#!/bin/sh
# Builds a libFuzzer target with clang in build-fuzz/ (the whole tree instrumented for coverage,
# with AddressSanitizer and UndefinedBehaviorSanitizer) and fuzzes it.
#
#   scripts/fuzz.sh TARGET [SECONDS] [extra libFuzzer options...]
#   scripts/fuzz.sh --list
#
# TARGET is a fuzz target's name without "_fuzzer" (tests/fuzz/<TARGET>_fuzzer.cpp); --list
# prints them. SECONDS defaults to 60. The target's seeds, dictionary and limits come from its
# entry in tests/fuzz/CMakeLists.txt. New inputs are kept in build-fuzz/corpus/TARGET; crashes,
# leaks, timeouts and out-of-memory inputs are written to build-fuzz/findings/TARGET/. Replay one
# with
#   build-fuzz/tests/fuzz/TARGET_fuzzer build-fuzz/findings/TARGET/<file>
set -eu

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"

list_targets() {
  for source in "$root"/tests/fuzz/*_fuzzer.cpp; do
    name="${source##*/}"
    echo "${name%_fuzzer.cpp}"
  done
}

usage() {
  echo "usage: $0 TARGET [SECONDS] [libFuzzer options...]   (targets: $(list_targets | tr '\n' ' '))" >&2
  exit 2
}

[ $# -gt 0 ] || usage
case "$1" in
  --list) list_targets; exit 0 ;;
  -*) usage ;;
esac
target="$1"
shift
[ -f "$root/tests/fuzz/${target}_fuzzer.cpp" ] || { echo "$0: no fuzz target '$target'" >&2; usage; }
seconds=60
if [ $# -gt 0 ]; then
  case "$1" in
    -*) ;;
    *) seconds="$1"; shift ;;
  esac
fi

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
launcher=""
if command -v ccache >/dev/null 2>&1; then
  launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
fi
# shellcheck disable=SC2086
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTELVO_BUILD_FUZZERS=ON -DTELVO_BUILD_BENCHMARKS=OFF \
  -DCMAKE_CXX_FLAGS="$flags" $launcher >/dev/null
cmake --build "$build" --parallel "${TELVO_JOBS:-$(nproc)}" --target "${target}_fuzzer"

binaries="$build/tests/fuzz"
corpus="$build/corpus/$target"
findings="$build/findings/$target"
mkdir -p "$corpus" "$findings"

# The target's entry: its seeds (libFuzzer adds what it finds to the first folder only, the
# corpus), its dictionary and its own limits. They go behind the defaults, and the caller's
# options behind them all, so a later option overrides an earlier one.
extra=$#
set -- "$@" "$corpus" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
  -artifact_prefix="$findings/" -print_final_stats=1
while read -r kind value; do
  case "$kind" in
    seed) [ -e "$value" ] && set -- "$@" "$value" ;;
    dict) set -- "$@" "-dict=$value" ;;
    option) set -- "$@" "$value" ;;
  esac
done <"$binaries/${target}_fuzzer.run"
while [ "$extra" -gt 0 ]; do
  option="$1"
  shift
  set -- "$@" "$option"
  extra=$((extra - 1))
done

# A target whose inputs reach a leak inside a system library, which no code of the player can
# free, names it in tests/fuzz/TARGET.lsan-suppressions; every other leak still stops the run.
suppressions="$root/tests/fuzz/$target.lsan-suppressions"
if [ -f "$suppressions" ]; then
  export LSAN_OPTIONS="suppressions=$suppressions${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
fi
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
exec "$binaries/${target}_fuzzer" "$@"
