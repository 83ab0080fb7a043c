#!/usr/bin/env bash
# Installs what the lint tests run: shellcheck, clang-tidy, Emscripten (whose em++ gives the
# flags web/ is checked with) and the Markdown link checker pinned in tests/lint/package-lock.json.
set -euo pipefail
# A CDPATH from the caller's profile would make cd print the folder it enters.
unset CDPATH
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"

scripts/lib/deps.sh --set lint
scripts/lib/npm-ci.sh tests/lint
