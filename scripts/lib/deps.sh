#!/usr/bin/env bash
# Installs, from Debian's packages, whatever of the given packages and package sets is missing.
# Usage: scripts/lib/deps.sh [--set NAME]... [PACKAGE]...
# Each set is written once, here, so that the scripts that need the same tools ask for them by
# name and a package added to a set reaches every one of them.
set -euo pipefail

# Prints the packages of set $1; a set may name other sets (as @name).
package_set() {
    case "$1" in
        # Building the program against the system's freeglut, GLU and Mesa.
        gl-build) echo cmake g++ make freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev \
            libgl1-mesa-dri ;;
        # A virtual display to run the program on, input for it, and pictures of its window.
        virtual-display) echo xvfb xauth xdotool imagemagick ;;
        # The GoogleTest suite's own needs; faketime sets the date the program sees.
        tests) echo @virtual-display libgtest-dev libgmock-dev libx11-dev faketime ;;
        # libFuzzer comes with clang.
        fuzz) echo clang libclang-rt-14-dev ;;
        # The browser build; its icons are drawn and made small, its files compressed.
        web-build) echo cmake make emscripten nodejs python3 librsvg2-bin pngquant brotli gzip ;;
        # A static host for the browser version's benchmark, with brotli as good hosts have it.
        web-bench) echo nginx libnginx-mod-http-brotli-filter libnginx-mod-http-brotli-static ;;
        # The browsers the web tests and benchmarks drive; npm installs their pinned packages.
        browser) echo nodejs chromium firefox-esr ;;
        # Cross-building for Windows, and Wine with the OpenGL driver it only recommends, to run
        # the result; unzip unpacks the zip in the tests.
        windows) echo cmake make g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
            binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev dpkg-dev zip unzip wine wine64 \
            libgl1 libgl1-mesa-dri libxrandr2 libxi6 libxcursor1 libxfixes3 libxinerama1 \
            libxrender1 libxxf86vm1 libxcomposite1 ;;
        # Cross-building for Debian's ARM architectures against a sysroot that mmdebstrap
        # extracts (scripts/lib/sysroot.sh), and qemu to run the result.
        arm) echo mmdebstrap g++-aarch64-linux-gnu g++-arm-linux-gnueabihf qemu-user ;;
        # Building the Debian package and checking it and its metadata.
        packaging) echo dpkg-dev fakeroot file lintian desktop-file-utils appstream man-db \
            binutils ;;
        # Packing the downloads, and unpacking them in the tests.
        release) echo git tar gzip zip unzip coreutils findutils ;;
        # The linters; em++ gives the flags web/ is checked with, and nodejs runs the pinned
        # Markdown link checker.
        lint) echo shellcheck clang-tidy emscripten nodejs ;;
        *)
            echo "deps.sh: no package set named '$1'" >&2
            return 1
            ;;
    esac
}

# Appends the packages of set $1, and of the sets it names, to packages.
add_set() {
    local item items
    items=$(package_set "$1")
    for item in $items; do
        if [[ $item == @* ]]; then
            add_set "${item#@}"
        else
            packages+=("$item")
        fi
    done
}

packages=()
while [ $# -gt 0 ]; do
    case "$1" in
        --set)
            [ $# -ge 2 ] || { echo "deps.sh: --set needs a name" >&2; exit 2; }
            add_set "$2"
            shift 2
            ;;
        *)
            packages+=("$1")
            shift
            ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
# A package named twice, by two sets, is installed once.
mapfile -t missing < <(printf '%s\n' "${missing[@]}" | awk '!seen[$0]++')

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
# Wait for another install (a second script, or the system's own updates) instead of failing.
DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
    --no-install-recommends "${missing[@]}" >/dev/null
