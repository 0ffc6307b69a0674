#!/bin/sh
# Builds the libFuzzer targets with clang in build-fuzz/ (the whole tree instrumented for
# coverage, with AddressSanitizer and UndefinedBehaviorSanitizer) and fuzzes the document reader.
#
#   scripts/fuzz.sh [SECONDS] [extra libFuzzer options...]
#
# SECONDS defaults to 60. New inputs are kept in build-fuzz/corpus/document; crashes, leaks,
# timeouts and out-of-memory inputs are written to build-fuzz/findings/. Replay one with
#   build-fuzz/tests/fuzz/document_fuzzer build-fuzz/findings/<file>
set -eu

seconds="${1:-60}"
[ $# -gt 0 ] && shift

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTELVO_BUILD_FUZZERS=ON -DTELVO_BUILD_BENCHMARKS=OFF \
  -DCMAKE_CXX_FLAGS="$flags" >/dev/null
cmake --build "$build" -j2 --target document_fuzzer

corpus="$build/corpus/document"
findings="$build/findings"
mkdir -p "$corpus" "$findings"

# The seeds are the crafted documents and the compiled fixtures; libFuzzer adds what it finds
# to the first folder only. A document's pictures and sounds make valid inputs large, so the
# length limit is well above the biggest seed. No single allocation may exceed what an input of
# that length can hold once inflated (1032 times 256 KB) or the largest picture (64 Mpixel of 4
# bytes): a count the input does not back must fail before it is allocated.
seed_dirs="$build/tests/fuzz/seeds/document"
[ -d "$build/tests/fixtures" ] && seed_dirs="$seed_dirs $build/tests/fixtures"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
# shellcheck disable=SC2086
exec "$build/tests/fuzz/document_fuzzer" "$corpus" $seed_dirs \
  -max_total_time="$seconds" -max_len=262144 -rss_limit_mb=2048 -malloc_limit_mb=320 -timeout=10 \
  -dict="$build/tests/fuzz/seeds/document.dict" -artifact_prefix="$findings/" -print_final_stats=1 "$@"
