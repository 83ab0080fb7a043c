#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-test/, prepares what the
# tests to run need (the browser version in build-web/, the Windows zip in build-windows/, the
# ARM packages in build-package-arm64/ and build-package-armhf/, the packaging tools, the
# linters), runs the BMP reader's fuzz target for half a minute, then the tests on a private
# virtual display; the web tests drive headless Chromium and Firefox, the Windows tests Wine, the
# ARM tests qemu.
# Extra arguments go to ctest and skip the fuzzing. Then only what the picked tests need is
# installed and built: -L quick runs the fast tests alone, -R Vector3 the vector tests.
set -euo pipefail
# shellcheck source=scripts/lib/folder.sh
. "$(dirname "$0")/lib/folder.sh"
enter_checkout

sets=(--set gl-build --set tests)
[ $# -gt 0 ] || sets+=(--set fuzz)
scripts/lib/deps.sh "${sets[@]}"

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DROLLING_CUBE_SANITIZE=ON >/dev/null

# Tests picked by label alone (-L quick) need only that label's binaries, which the build target
# tests-LABEL makes; any other choice builds every test binary, since a test's name is known only
# once its binary lists it.
targets=()
build_all=$(($# == 0))
args=("$@")
for ((i = 0; i < $#; i++)); do
    case "${args[i]}" in
        -LE | --label-exclude) i=$((i + 1)); continue ;;
        -LE*) continue ;;
        -L | --label-regex) i=$((i + 1)); label=${args[i]:-} ;;
        --label-regex=*) label=${args[i]#*=} ;;
        -L*) label=${args[i]#-L} ;;
        *) continue ;;
    esac
    if grep -qxF -- "$label" build-test/test-build-labels.txt; then
        targets+=(--target "tests-$label")
    else
        build_all=1
    fi
done
if [ "$build_all" -eq 1 ] || [ ${#targets[@]} -eq 0 ]; then
    targets=()
fi
cmake --build build-test -j"$(nproc)" "${targets[@]}"

# What the tests of each label need besides that build, one line a label; each step is taken at
# most once.
prepare_label() {
    case "$1" in
        web) prepare web-build browser ;;
        windows) prepare windows ;;
        arm) prepare packaging arm ;;
        install) prepare packaging ;;
        # release.sh builds every download afresh in a tree of its own, installing what each
        # build needs; the release tests serve the web zip in Chromium.
        release) prepare packaging release browser ;;
        lint) prepare lint ;;
    esac
}
prepared=" "
prepare() {
    local step
    for step in "$@"; do
        [[ $prepared == *" $step "* ]] && continue
        prepared+="$step "
        case "$step" in
            # What the package test builds and checks the Debian package with.
            packaging) scripts/lib/deps.sh --set packaging ;;
            # What release.sh packs the downloads with and the release tests unpack them with.
            release) scripts/lib/deps.sh --set release ;;
            # The browser version, and Chromium, Firefox and what the tests drive them with.
            web-build) scripts/web.sh --build-only >/dev/null ;;
            browser) scripts/lib/web-test-tools.sh ;;
            # The Windows zip, which its tests unpack and run under Wine.
            windows) scripts/windows.sh >/dev/null ;;
            # The ARM packages, which their tests unpack and run under qemu. Where this
            # machine's apt sources have no ARM packages, package.sh says so and exits with 3,
            # and the tests skip for that reason.
            arm)
                scripts/lib/deps.sh --set arm
                for arch in arm64 armhf; do
                    scripts/package.sh --arch "$arch" >/dev/null || [ $? -eq 3 ]
                done
                ;;
            lint) scripts/lib/lint-tools.sh ;;
        esac
    done
}

# The labels of the tests ctest will run, from its own list of them.
picked=build-test/picked-tests.json
(cd build-test && ctest --show-only=json-v1 "$@") >"$picked"
if ! labels=$(cmake -DTESTS="$picked" -P scripts/lib/test-labels.cmake 2>&1); then
    echo "$labels" >&2
    echo "Could not tell which tests ctest $* picks (its list is in $picked)" >&2
    exit 1
fi
for label in $labels; do
    prepare_label "$label"
done

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

# shellcheck source=scripts/lib/xvfb.sh
. scripts/lib/xvfb.sh
trap stop_virtual_display EXIT
start_virtual_display

export ASAN_OPTIONS="abort_on_error=0:detect_leaks=1:strict_string_checks=1"
# In double quotes, so that a checkout in a folder whose path has a space or an apostrophe is
# read as one path; a path with a double quote never gets this far.
export LSAN_OPTIONS="suppressions=\"$root/tests/lsan.supp\":print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build-test
ctest --output-on-failure -j"$(nproc)" "$@"
