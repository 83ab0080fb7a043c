#!/usr/bin/env bash
# Runs clang-tidy, with the checked-in .clang-tidy, on the program's own C++ in the tree at $1:
# src/ as the build at $2 compiles it (its compile_commands.json), and web/, which only
# Emscripten compiles, with em++'s own flags. Any finding fails.
set -euo pipefail
root=$1
build=$2
cd "$root"

if [ ! -f "$build/compile_commands.json" ]; then
    echo "no $build/compile_commands.json; configure that build first" >&2
    exit 1
fi
# The Makefile generator writes a '$' of a folder's name into the compile commands as make
# escapes it, '$$', which clang-tidy would take for part of the path: the commands it reads have
# it as the shell would see it.
database=$build/clang-tidy-database
mkdir -p "$database"
sed '/"command":/s/\$\$/$/g' "$build/compile_commands.json" >"$database/compile_commands.json"
# Each source with the flags the build compiles it with, one a process: clang-tidy 14's
# analyser, handed several files at once, takes va_start in one for uninitialised after another.
find src -name '*.cpp' -print0 | sort -z |
    xargs -0 -n 1 -P "$(nproc)" clang-tidy --quiet -p "$database" --warnings-as-errors='*' \
        >"$build/clang-tidy-src.log" 2>&1 || {
    cat "$build/clang-tidy-src.log"
    echo "clang-tidy found something in src/ (above)" >&2
    exit 1
}

# web/'s stand-ins include Emscripten's headers, which only its own target and sysroot provide;
# em++ --cflags gives exactly the flags it would hand clang, so the check sees what the web
# build compiles.
if ! command -v em++ >/dev/null; then
    echo "em++ is missing (Debian's emscripten package); it is needed to check web/" >&2
    exit 1
fi
read -ra web_flags < <(em++ --cflags 2>/dev/null)
mapfile -t web_sources < <(find web -name '*.cpp' | sort)
clang-tidy --quiet --warnings-as-errors='*' "${web_sources[@]}" -- "${web_flags[@]}" -std=c++17 \
    -Iweb/include -Isrc -Itools
echo "clang-tidy: src/ and ${#web_sources[@]} files in web/ clean"
