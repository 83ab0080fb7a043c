#!/usr/bin/env bash
# Cross-builds the Windows version with MinGW-w64 and packs it as
# build-windows/rolling-cube-<version>-windows-x86_64.zip: one folder holding rolling-cube.exe
# (a console program with freeglut and the C++ runtime linked in), Textures/, LICENSE.txt and
# README.txt. freeglut is built once from Debian's own source package and kept in
# build-windows/. The zip is the same bytes for the same commit: its dates come from
# SOURCE_DATE_EPOCH, the last commit's time unless set.
set -euo pipefail
umask 022
# shellcheck source=scripts/lib/folder.sh
. "$(dirname "$0")/lib/folder.sh"
enter_checkout

# The cross compilers and zip; Wine, to run the result.
scripts/lib/deps.sh --set windows

out=build-windows
mkdir -p "$out"
out=$(cd "$out" && pwd)
# shellcheck source=scripts/lib/reproducible.sh
. scripts/lib/reproducible.sh
export_source_date_epoch
version=$(project_version)
toolchain=$root/cmake/mingw-w64-x86_64.cmake
# Neither the source nor the build folder's path may end up in the executable, and a path whose
# characters a shell reads must still reach the compiler whole (see the file).
path_options=(-DCMAKE_PROJECT_INCLUDE="$root/cmake/WindowsPaths.cmake"
    -DPREFIX_MAP_SOURCE="$root" -DPREFIX_MAP_BUILD="$out")

# freeglut, from Debian's source package, fetched and checked by apt-get source as usual but
# with a configuration of our own under build-windows/apt: source entries made from the
# system's binary ones, with their own options and keys, and private index and cache folders.
# The system's apt configuration and indexes are left alone.
# The distribution's current version, or FREEGLUT_VERSION (e.g. 3.4.0-1) if set.
freeglut_package=freeglut${FREEGLUT_VERSION:+=$FREEGLUT_VERSION}
freeglut=$out/freeglut
# Its source and build lie in a scratch folder outside the checkout, and only what it installs
# under build-windows/: windres, which compiles freeglut's resource script, hands its include
# folders to a shell unquoted, so an apostrophe or '&' in the checkout's path would break it.
work=""
trap '[ -z "$work" ] || rm -rf "$work"' EXIT
fetch_freeglut() {
    local apt=$out/apt
    work=$(mktemp -d -t rolling-cube-freeglut.XXXXXX)
    rm -rf "$apt"
    mkdir -p "$apt/sources.list.d" "$apt/lists/partial" "$apt/cache/archives/partial" \
        "$work/freeglut-source"
    local list
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$list" ] || continue
        sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$list"
    done >"$apt/sources.list"
    for list in /etc/apt/sources.list.d/*.sources; do
        [ -f "$list" ] || continue
        # One stanza per paragraph: each enabled one with deb among its types becomes deb-src.
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
             !/(^|\n)Enabled:[[:space:]]*[Nn]o/ && /(^|\n)Types:[^\n]*[[:space:]]deb([[:space:]]|$)/ {
                 sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' \
            "$list" >"$apt/sources.list.d/$(basename "$list")"
    done
    local options=(-o "Dir::Etc::SourceList=$apt/sources.list"
        -o "Dir::Etc::SourceParts=$apt/sources.list.d" -o "Dir::State::Lists=$apt/lists"
        -o "Dir::Cache=$apt/cache" -o "APT::Sandbox::User=$(id -un)" -o Debug::NoLocking=1)
    apt-get "${options[@]}" update -qq
    (cd "$work/freeglut-source" &&
        apt-get "${options[@]}" source -qq "$freeglut_package" >/dev/null)
}
build_freeglut() {
    local source
    source=$(find "$work/freeglut-source" -mindepth 1 -maxdepth 1 -type d -name 'freeglut-*')
    rm -rf "$freeglut"
    patch -s -p1 -d "$source" <windows/freeglut-display.patch
    cmake -S "$source" -B "$work/freeglut-build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_PROJECT_INCLUDE="$root/cmake/WindowsPaths.cmake" -DPREFIX_MAP_SOURCE="$root" \
        -DPREFIX_MAP_BUILD="$work" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$freeglut" \
        -DFREEGLUT_BUILD_STATIC_LIBS=ON -DFREEGLUT_BUILD_SHARED_LIBS=OFF \
        -DFREEGLUT_BUILD_DEMOS=OFF >/dev/null
    if ! cmake --build "$work/freeglut-build" -j"$(nproc)" >"$work/freeglut-build/build.log" 2>&1
    then
        tail -n 40 "$work/freeglut-build/build.log" >&2
        exit 1
    fi
    cmake --install "$work/freeglut-build" >/dev/null
    cp "$source/COPYING" "$freeglut/COPYING"
}
# Built again only when what it is built from changes.
freeglut_recipe=$(echo "$freeglut_package" |
    cat - windows/freeglut-display.patch "$toolchain" cmake/WindowsPaths.cmake | sha256sum)
if [ "$(cat "$freeglut/recipe" 2>/dev/null)" != "$freeglut_recipe" ]; then
    fetch_freeglut
    echo "Building $(basename "$work"/freeglut-source/*.dsc .dsc) from Debian's source package" >&2
    build_freeglut
    echo "$freeglut_recipe" >"$freeglut/recipe"
fi

# The program, linked statically; the linker's time stamp in the executable is left out.
cmake -S . -B "$out/program" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_FIND_ROOT_PATH="$freeglut" "${path_options[@]}" \
    -DCMAKE_EXE_LINKER_FLAGS="-Wl,--no-insert-timestamp" >/dev/null
cmake --build "$out/program" -j"$(nproc)" >/dev/null

# The zip: one folder, made the same bytes each time by zip_folder.
name=rolling-cube-$version-windows-x86_64
stage=$out/stage
rm -rf "$stage"
mkdir -p "$stage/$name/Textures"
cp "$out/program/rolling-cube.exe" "$stage/$name/"
read -r -a pictures < <(sed -n 's/^set(ROLLING_CUBE_PICTURES \(.*\))$/\1/p' cmake/Pictures.cmake)
for picture in "${pictures[@]}"; do cp "Textures/$picture" "$stage/$name/Textures/"; done
# Text files with Windows' line ends, so that any editor there shows them as written. freeglut
# and the MinGW-w64 thread library are linked in, so their notices go with the program.
{
    cat LICENSE
    printf '\n\nrolling-cube.exe includes freeglut, under this licence:\n\n'
    cat "$freeglut/COPYING"
    printf '\n\nIt also includes the MinGW-w64 runtime and its thread library (winpthreads), '
    printf 'under these terms:\n\n'
    cat windows/mingw-w64-notice.txt
} | sed 's/\r*$/\r/' >"$stage/$name/LICENSE.txt"
sed 's/\r*$/\r/' windows/README.txt >"$stage/$name/README.txt"
zip_file=$out/$name.zip
zip_folder "$stage/$name" "$zip_file"
echo "$zip_file"
