#!/usr/bin/env bash
# Builds a Release build into build/ and starts the program from the repository root. Without a
# display it runs the program on a virtual one for a few seconds and saves a screenshot instead.
set -euo pipefail
# shellcheck source=scripts/lib/folder.sh
. "$(dirname "$0")/lib/folder.sh"
enter_checkout

# Checked before anything is built, so that a mistyped delay costs nothing.
delay=${SCREENSHOT_DELAY:-3}
if [ -z "${DISPLAY:-}" ] && ! [[ $delay =~ ^([0-9]+[.]?[0-9]*|[.][0-9]+)$ ]]; then
    echo "SCREENSHOT_DELAY is '$delay'; it must be a number of seconds, 0 or more, such as 2" \
        "or 0.5" >&2
    exit 2
fi

sets=(--set gl-build)
[ -n "${DISPLAY:-}" ] || sets+=(--set virtual-display)
scripts/lib/deps.sh "${sets[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DROLLING_CUBE_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target rolling-cube

if [ -n "${DISPLAY:-}" ]; then
    exec build/rolling-cube "$@"
fi

# shellcheck source=scripts/lib/xvfb.sh
. scripts/lib/xvfb.sh
program=""
partial=""
trap '[ -z "$program" ] || kill "$program" 2>/dev/null || true; stop_virtual_display
      [ -z "$partial" ] || rm -f "$partial"' EXIT
start_virtual_display
build/rolling-cube "$@" &
program=$!

# Says why there is no screenshot when the program has already ended, and stops the script.
fail_if_program_ended() {
    kill -0 "$program" 2>/dev/null && return 0
    local status=0
    wait "$program" || status=$?
    echo "The program exited with status $status $1, so there is no screenshot" >&2
    exit 1
}

window=""
for _ in $(seq 200); do
    fail_if_program_ended "before its window appeared"
    window=$(xdotool search --onlyvisible --name "Perspective Projection" 2>/dev/null | head -n1) || true
    [ -n "$window" ] && break
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "The program's window did not appear within 20 s, so there is no screenshot" >&2
    exit 1
fi
sleep "$delay"
fail_if_program_ended "after its window appeared"
# Written under another name and renamed when whole, so that a full disk or a failed import
# never leaves a cut-off picture where the last good one was. Named by hand rather than by mktemp,
# whose private mode the picture would keep.
partial=build/screenshot.png.$$.partial
if ! import -window "$window" "png:$partial" || ! mv -f "$partial" build/screenshot.png; then
    echo "Could not save the screenshot to $root/build/screenshot.png" >&2
    exit 1
fi
echo "No display: ran the program on a virtual display and saved a screenshot to $root/build/screenshot.png"
