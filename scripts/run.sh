#!/usr/bin/env bash
# Builds a Release build into build/ and starts the program from the repository root. Without a
# display it runs the program on a virtual one for a few seconds and saves a screenshot instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

packages=(cmake g++ make freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev libgl1-mesa-dri)
[ -n "${DISPLAY:-}" ] || packages+=(xvfb xauth xdotool imagemagick)
scripts/deps.sh "${packages[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DROLLING_CUBE_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target rolling-cube

if [ -n "${DISPLAY:-}" ]; then
    exec build/rolling-cube "$@"
fi

# shellcheck source=scripts/xvfb.sh
. scripts/xvfb.sh
start_virtual_display
build/rolling-cube "$@" &
program=$!
trap 'kill "$program" 2>/dev/null || true; kill "$XVFB_PID" 2>/dev/null || true' EXIT

window=$(timeout 20 xdotool search --sync --name "Perspective Projection" | head -n1)
sleep "${SCREENSHOT_DELAY:-3}"
import -window "$window" build/screenshot.png
echo "No display: ran the program on a virtual display and saved a screenshot to $root/build/screenshot.png"
