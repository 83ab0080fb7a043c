#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-test/ and the browser
# version into build-web/, the Windows zip into build-windows/ and the ARM packages into
# build-package-arm64/ and build-package-armhf/, runs the BMP reader's fuzz target for half a
# minute, then the whole suite on a private virtual display; the web tests drive headless
# Chromium and Firefox, the Windows tests Wine, the ARM tests qemu.
# Extra arguments go to ctest and skip the fuzzing, e.g. -R Vector3 runs the vector tests alone.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/deps.sh cmake g++ make freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev libgl1-mesa-dri \
    libgtest-dev libgmock-dev libx11-dev xvfb xauth xdotool imagemagick clang \
    libclang-rt-14-dev faketime
# What the package test builds and checks the Debian package with.
scripts/deps.sh dpkg-dev fakeroot file lintian desktop-file-utils appstream man-db binutils
# What the release tests unpack the downloads with.
scripts/deps.sh git tar unzip
# The browser version and what its tests drive Chromium with.
scripts/web.sh --build-only >/dev/null
scripts/web-test-tools.sh
# The Windows zip, which its tests unpack and run under Wine.
scripts/deps.sh unzip
scripts/windows.sh >/dev/null
# The ARM packages, which their tests unpack and run under qemu. Where this machine's apt sources
# have no ARM packages, package.sh says so and exits with 3, and the tests skip for that reason.
scripts/deps.sh qemu-user
for arch in arm64 armhf; do
    scripts/package.sh --arch "$arch" >/dev/null || [ $? -eq 3 ]
done

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DROLLING_CUBE_SANITIZE=ON >/dev/null
cmake --build build-test -j"$(nproc)"

# The BMP reader's fuzz target for half a minute, in a whole run only (not when ctest arguments
# pick tests); a finding fails the run and shows the log.
fuzz_log=build-test/fuzz.log
if [ $# -gt 0 ]; then
    :
elif scripts/fuzz.sh 30 >"$fuzz_log" 2>&1; then
    grep -E '^(Done|stat::number_of_executed_units)' "$fuzz_log" || true
else
    tail -n 60 "$fuzz_log"
    echo "The fuzz target failed; its whole output is in $fuzz_log" >&2
    exit 1
fi

# shellcheck source=scripts/xvfb.sh
. scripts/xvfb.sh
start_virtual_display

export ASAN_OPTIONS="abort_on_error=0:detect_leaks=1:strict_string_checks=1"
# Quoted, so that a checkout in a folder whose path has a space is read as one path.
export LSAN_OPTIONS="suppressions='$root/tests/lsan.supp':print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build-test
ctest --output-on-failure -j"$(nproc)" "$@"
