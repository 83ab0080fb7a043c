#!/usr/bin/env bash
# Builds the program for web browsers with Emscripten into build-web/ (index.html and the
# rolling-cube .js, .wasm and .data files it loads, by relative addresses, so that any static
# file server can host the folder) and serves it on http://127.0.0.1:8000/, or another port,
# until Ctrl+C.
# Usage: scripts/web.sh [--build-only | --port N]
set -euo pipefail
# shellcheck source=scripts/lib/folder.sh
. "$(dirname "$0")/lib/folder.sh"
enter_checkout

usage() {
    echo "usage: scripts/web.sh [--build-only | --port N]" >&2
    exit 2
}
build_only=0
port=8000
case "${1:-}" in
    "") ;;
    --build-only) [ $# -eq 1 ] || usage; build_only=1 ;;
    --port)
        if [ $# -ne 2 ] || ! [[ $2 =~ ^[0-9]{1,5}$ ]] || ((10#$2 < 1 || 10#$2 > 65535)); then
            usage
        fi
        port=$((10#$2))
        ;;
    *) usage ;;
esac

# Serves build-web/ on 127.0.0.1 at the port given, or only checks that it can with a second
# argument. A port it cannot have (taken, or kept for root) is said in one line.
server='
import functools, http.server, sys
port = int(sys.argv[1])
handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory="build-web")
try:
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)
except OSError as error:
    sys.exit(f"web.sh: cannot serve on port {port}: {error.strerror}; "
             "choose another with --port N")
if len(sys.argv) > 2:
    sys.exit(0)
print(f"Serving Rolling Cube at http://127.0.0.1:{port}/ (Ctrl+C stops)", flush=True)
try:
    server.serve_forever()
except KeyboardInterrupt:
    pass
'
# Before the build, so that a taken port is said at once.
[ "$build_only" -eq 1 ] || python3 -c "$server" "$port" --check-only

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

exec python3 -c "$server" "$port"
