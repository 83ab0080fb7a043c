#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-test/, prepares what the
# tests to run need (the browser version in build-web/, the Windows zip in build-windows/, the
# ARM packages in build-package-arm64/ and build-package-armhf/, the packaging tools, the
# linters), runs the BMP reader's fuzz target for half a minute, then the tests on a private
# virtual display; the web tests drive headless Chromium and Firefox, the Windows tests Wine, the
# ARM tests qemu.
# Extra arguments are ctest's options for picking tests, and skip the fuzzing; then only what the
# picked tests need is installed and built: -L quick runs the fast tests alone, -R Vector3 the
# vector tests, -L quick -L desktop both labels' tests. A pick that runs no test fails.
set -euo pipefail
# shellcheck source=scripts/lib/folder.sh
. "$(dirname "$0")/lib/folder.sh"
enter_checkout

# ctest's options for picking tests and shaping the run are passed on to it; anything else is
# refused here, before anything is installed or built, since ctest would ignore it and run
# everything. Each -L adds a label pattern: ctest would run only the tests that match all of
# them, which with one label a test is none, so they are joined into one that matches any.
usage="usage: scripts/test.sh [-L LABEL]... [-LE LABEL] [-R NAME] [-E NAME] [-j N] [-V|-VV]
       [--repeat until-fail:N] [--timeout S] [--stop-on-failure] [--schedule-random] [-N]"
label_patterns=()
ctest_args=()
while [ $# -gt 0 ]; do
    case "$1" in
        -L | --label-regex)
            [ $# -ge 2 ] || { echo "$usage" >&2; exit 2; }
            label_patterns+=("$2"); shift 2; continue ;;
        --label-regex=*) label_patterns+=("${1#*=}") ;;
        -LE | --label-exclude | -R | --tests-regex | -E | --exclude-regex | -j | --parallel | \
            --repeat | --timeout | --repeat-until-fail)
            [ $# -ge 2 ] || { echo "$usage" >&2; exit 2; }
            ctest_args+=("$1" "$2"); shift 2; continue ;;
        -LE* | -R* | -E* | -j* | --label-exclude=* | --tests-regex=* | --exclude-regex=* | \
            --parallel=* | --repeat=* | --timeout=* | -V | -VV | --verbose | --extra-verbose | \
            -N | -Q | --quiet | --stop-on-failure | --schedule-random | --rerun-failed | \
            --output-on-failure) ctest_args+=("$1") ;;
        -L*) label_patterns+=("${1#-L}") ;;
        *)
            echo "scripts/test.sh: unknown option '$1'" >&2
            echo "$usage" >&2
            exit 2
            ;;
    esac
    shift
done
if [ ${#label_patterns[@]} -gt 0 ]; then
    joined=$(IFS='|'; echo "${label_patterns[*]}")
    ctest_args=(-L "$joined" "${ctest_args[@]}")
fi
set -- "${ctest_args[@]}"

sets=(--set gl-build --set tests)
[ $# -gt 0 ] || sets+=(--set fuzz)
scripts/lib/deps.sh "${sets[@]}"

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DROLLING_CUBE_SANITIZE=ON >/dev/null

# Tests picked by label need only the binaries of the labels their pattern matches, which the
# build targets tests-LABEL make; a pattern that matches no label is refused before the build.
# Any other choice builds every test binary, since a test's name is known only once its binary
# lists it.
mapfile -t known_labels <build-test/test-build-labels.txt
targets=()
if [ ${#label_patterns[@]} -gt 0 ]; then
    for label in "${known_labels[@]}"; do
        [[ -n $label && $label =~ $joined ]] && targets+=(--target "tests-$label")
    done
    if [ ${#targets[@]} -eq 0 ]; then
        echo "scripts/test.sh: no test has a label matching '$joined'; the labels are" \
            "${known_labels[*]}" >&2
        exit 1
    fi
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
if ! listed=$(cmake -DTESTS="$picked" -P scripts/lib/test-labels.cmake 2>&1); then
    echo "$listed" >&2
    echo "Could not tell which tests ctest $* picks (its list is in $picked)" >&2
    exit 1
fi
if [ "${listed%%$'\n'*}" = 0 ]; then
    echo "scripts/test.sh: no test matches ctest $*; the labels are ${known_labels[*]}" >&2
    exit 1
fi
for label in $(tail -n +2 <<<"$listed"); do
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
