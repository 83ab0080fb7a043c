#!/usr/bin/env bash
# Measures the program against the limits its renderer and machine set, soaks it under random
# input and checks it with Valgrind, on a private virtual display. Prints every figure as
# "name: value". Timings are never judged here; only a failed soak or a memory error found by
# Valgrind makes the script fail, after every figure has been printed.
#
# Knobs (environment): SOAK_SECONDS (60), MEMCHECK_SECONDS (5), STARTUP_RUNS (7), RSS_SECONDS (10),
# HIDDEN_SECONDS (5), WEB_VISITS (7), LIGHTHOUSE_RUNS (3).
set -euo pipefail
# shellcheck source=scripts/lib/folder.sh
. "$(dirname "$0")/lib/folder.sh"
enter_checkout

scripts/lib/deps.sh --set gl-build --set tests valgrind

# Release code with debug information: -g changes no instruction, and lets Valgrind name our lines.
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS=-g \
    -DROLLING_CUBE_BENCH=ON -DROLLING_CUBE_TESTS=OFF >/dev/null
cmake --build build-bench -j"$(nproc)" >/dev/null
# The soak drives the program built with AddressSanitizer and UndefinedBehaviorSanitizer.
cmake -S . -B build-bench-asan -DCMAKE_BUILD_TYPE=Debug -DROLLING_CUBE_SANITIZE=ON >/dev/null
cmake --build build-bench-asan -j"$(nproc)" --target soak_test >/dev/null

# shellcheck source=scripts/lib/xvfb.sh
. scripts/lib/xvfb.sh
trap stop_virtual_display EXIT
start_virtual_display

program="$root/build-bench/rolling-cube"
tools="$root/build-bench/bench"
title='^(Perspective|Ortho) Projection$'
failed=0

figure() { echo "$1: $2"; }

# Waits up to $2 seconds for process $1 to end; kills it if it does not.
wait_for_exit() {
    local pid=$1 seconds=$2
    for _ in $(seq $((seconds * 10))); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "process $pid did not end when its window closed; killing it" >&2
        kill -9 "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null
}

# The renderer and the machine the figures come from.
figure cpu "$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n1)"
figure cpus "$(nproc)"

# Frames, BMP reading and start-up. The programs' own console text is not a figure.
"$tools/frame-bench" | grep -E '^[a-z_]+: '
"$tools/bmp-bench"
"$tools/startup-probe" "$root" "${STARTUP_RUNS:-7}" \
    startup="$program" empty_startup="$tools/empty-window"

# Peak resident memory after some seconds of running, beside that of an empty GLUT window.
peak_rss_mb() {
    local name=$1 window_title=$2 pid window
    shift 2
    "$@" >/dev/null &
    pid=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name "$window_title" | head -n1)
    sleep "${RSS_SECONDS:-10}"
    figure "$name" "$(awk '/^VmHWM:/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")"
    "$tools/close-window" "$window"
    wait_for_exit "$pid" 30 || true
}
peak_rss_mb peak_rss_mb "$title" "$program"
peak_rss_mb empty_window_peak_rss_mb '^Empty Window$' "$tools/empty-window"

# Processor time of process $1 (all its threads) in clock ticks.
cpu_ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

# The share of one core that process $2 uses over the next $3 seconds, printed as figure $1.
cpu_percent() {
    local name=$1 pid=$2 seconds=$3 ticks_before ticks_after started ended
    ticks_before=$(cpu_ticks "$pid")
    started=$(date +%s.%N)
    sleep "$seconds"
    ticks_after=$(cpu_ticks "$pid")
    ended=$(date +%s.%N)
    figure "$name" "$(awk -v ticks=$((ticks_after - ticks_before)) -v hz="$(getconf CLK_TCK)" \
        -v from="$started" -v to="$ended" 'BEGIN { printf "%.1f", 100 * ticks / hz / (to - from) }')"
}

# Processor use while the window is shown, where the frame loop runs flat out, and while it is
# unmapped, where there is nothing to draw and the program should sleep.
hidden_cpu_percent() {
    local seconds=${HIDDEN_SECONDS:-5} pid window
    "$program" >/dev/null &
    pid=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name "$title" | head -n1)
    sleep 1
    cpu_percent shown_cpu_percent "$pid" "$seconds"
    xdotool windowunmap --sync "$window"
    sleep 1
    cpu_percent hidden_cpu_percent "$pid" "$seconds"
    figure hidden_seconds "$seconds"
    xdotool windowmap --sync "$window"
    "$tools/close-window" "$window"
    wait_for_exit "$pid" 30 || true
}
hidden_cpu_percent

# A minute of random input to the sanitized program.
soak_xml=$(mktemp --suffix=.xml)
soak_log="$root/build-bench/soak.log"
if SOAK_SECONDS="${SOAK_SECONDS:-60}" ASAN_OPTIONS="abort_on_error=0" \
    LSAN_OPTIONS="suppressions=\"$root/tests/lsan.supp\"" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    build-bench-asan/tests/desktop/soak_test --gtest_output="xml:$soak_xml" >"$soak_log" 2>&1; then
    figure soak passed
else
    figure soak "failed (see $soak_log)"
    failed=1
fi
figure soak_seconds "${SOAK_SECONDS:-60}"
inputs=$(sed -n 's/.*name="inputs" value="\([0-9]*\)".*/\1/p' "$soak_xml" | head -n1)
figure soak_inputs "${inputs:-unknown}"
rm -f "$soak_xml"

# Memcheck on the Release program for a few seconds of frames and some input, then a clean exit
# through the window's close message, so that the leak check runs.
memcheck_log="$root/build-bench/memcheck.log"
# Valgrind reads a '%' in the log file's name as the start of a process id or variable.
LIBGL_ALWAYS_SOFTWARE=1 valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite,possible \
    --errors-for-leak-kinds=definite --keep-debuginfo=yes --num-callers=40 \
    --suppressions="$root/bench/valgrind.supp" --log-file="${memcheck_log//%/%%}" "$program" >/dev/null &
memcheck_pid=$!
window=$(timeout 600 xdotool search --sync --onlyvisible --name "$title" | head -n1)
sleep "${MEMCHECK_SECONDS:-5}"
xdotool windowfocus --sync "$window" key o key p \
    mousemove --window "$window" 300 200 mousedown 1 mousemove_relative 40 20 mouseup 1 \
    mousedown 3 mousemove_relative -- -40 -20 mouseup 3 >/dev/null
sleep 2
"$tools/close-window" "$window"
wait_for_exit "$memcheck_pid" 300 || true

count() { grep -c -E "$1" "$memcheck_log" || true; }
summary_bytes() { sed -n "s/.*$1: \([0-9,]*\) bytes.*/\1/p" "$memcheck_log" | tr -d , | head -n1; }
errors=$(sed -n 's/.*ERROR SUMMARY: \([0-9,]*\) errors.*/\1/p' "$memcheck_log" | tr -d , | tail -n1)
invalid=$(count '== (Invalid (read|write|free)|Mismatched free|Source and destination overlap)')
uninitialised=$(count '== (Conditional jump or move depends|Use of uninitialised|Syscall param)')
definite=$(summary_bytes 'definitely lost')
suppressed_errors=$(sed -n 's/.*ERROR SUMMARY: .*(suppressed: \([0-9,]*\) from.*/\1/p' "$memcheck_log" |
    tr -d , | tail -n1)
figure memcheck_errors "${errors:-unknown}"
figure memcheck_suppressed_errors "${suppressed_errors:-0}"
figure memcheck_invalid_accesses "$invalid"
figure memcheck_uninitialised_uses "$uninitialised"
figure memcheck_definitely_lost_bytes "${definite:-0}"
possible=$(summary_bytes 'possibly lost')
suppressed=$(summary_bytes 'suppressed')
figure memcheck_possibly_lost_bytes "${possible:-0}"
figure memcheck_suppressed_bytes "${suppressed:-0}"
if [ "${errors:-1}" != 0 ]; then
    echo "Valgrind found errors; see $memcheck_log" >&2
    failed=1
fi

# The browser version, printed by a script of its own.
scripts/lib/bench-web.sh

exit "$failed"
