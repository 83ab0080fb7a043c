#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-test/ and runs the whole
# suite on a private virtual display. Extra arguments go to ctest, e.g. -R Vector3.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/deps.sh cmake g++ make freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev libgl1-mesa-dri \
    libgtest-dev libgmock-dev xvfb xauth xdotool imagemagick clang libclang-rt-14-dev

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DROLLING_CUBE_SANITIZE=ON >/dev/null
cmake --build build-test -j"$(nproc)"

# shellcheck source=scripts/xvfb.sh
. scripts/xvfb.sh
start_virtual_display

export ASAN_OPTIONS="abort_on_error=0:detect_leaks=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build-test
ctest --output-on-failure -j"$(nproc)" "$@"

# Last: the BMP reader's fuzz target for half a minute; a finding fails the run.
cd "$root"
scripts/fuzz.sh 30
