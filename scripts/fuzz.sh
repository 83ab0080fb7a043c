#!/usr/bin/env bash
# Builds the BMP reader's fuzz target with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# into build-fuzz/ and runs it for the given number of seconds (60 by default), one worker.
# It starts from the seeds in fuzz/corpus/ and keeps what it learns in fuzz/corpus-work/. A crash,
# a failed check or an allocation over 64 MB ends the run with a failure; the input that caused
# it is left in build-fuzz/findings/.
# Usage: scripts/fuzz.sh [seconds]
set -euo pipefail
# shellcheck source=scripts/lib/folder.sh
. "$(dirname "$0")/lib/folder.sh"
enter_checkout
seconds=${1:-60}

scripts/lib/deps.sh --set gl-build --set fuzz

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DROLLING_CUBE_FUZZ=ON -DROLLING_CUBE_TESTS=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target load_bmp_fuzzer

mkdir -p fuzz/corpus-work build-fuzz/findings
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
build-fuzz/fuzz/load_bmp_fuzzer -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -rss_limit_mb=2048 -malloc_limit_mb=64 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/findings/ fuzz/corpus-work fuzz/corpus
