#!/usr/bin/env bash
# Builds the program for web browsers with Emscripten into build-web/ (index.html and the
# rolling-cube .js, .wasm and .data files it loads, by relative addresses, so that any static
# file server can host the folder) and serves it on http://127.0.0.1:8000/ until Ctrl+C.
# Usage: scripts/web.sh [--build-only]
set -euo pipefail
# shellcheck source=scripts/lib/folder.sh
. "$(dirname "$0")/lib/folder.sh"
enter_checkout

build_only=0
case "${1:-}" in
    "") ;;
    --build-only) build_only=1 ;;
    *)
        echo "usage: scripts/web.sh [--build-only]" >&2
        exit 2
        ;;
esac

scripts/lib/deps.sh --set web-build
# Emscripten minifies the script with the Closure Compiler pinned here; Debian has none as new.
scripts/lib/npm-ci.sh web/closure-compiler
export EM_CLOSURE_COMPILER="$root/web/closure-compiler/node_modules/.bin/google-closure-compiler"

# Emscripten's JavaScript optimiser needs acorn, which Debian installs for its own node; another
# node on the path looks for it there too.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
# The build tree stays out of build-web/, which holds only what the page loads.
cmake -S . -B build-web-cmake -DCMAKE_BUILD_TYPE=Release -DROLLING_CUBE_TESTS=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$(em-config EMSCRIPTEN_ROOT)/cmake/Modules/Platform/Emscripten.cmake" \
    -DROLLING_CUBE_WEB_SITE="$root/build-web" >/dev/null
cmake --build build-web-cmake -j"$(nproc)"

if [ "$build_only" -eq 1 ]; then
    echo "Built the browser version into $root/build-web/"
    exit 0
fi

echo "Serving Rolling Cube at http://127.0.0.1:8000/ (Ctrl+C stops)"
exec python3 -m http.server 8000 --bind 127.0.0.1 --directory build-web
