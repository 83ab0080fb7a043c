#!/usr/bin/env bash
# Runs shellcheck, at its default level, on every shell script in the tree at $1: each file whose
# first line starts it with sh or bash, whatever its name (.ci/run has no .sh).
set -euo pipefail
cd "$1"

scripts=()
while IFS= read -r -d '' file; do
    head -c 128 "$file" | head -n1 | grep -qE '^#!.*[/ ](ba)?sh([[:space:]]|$)' && scripts+=("$file")
done < <(find . \( -name .git -o -name node_modules -o -path './build*' -o -path ./dist \
    -o -path ./fuzz/corpus-work \) -prune \
    -o -type f -print0)
if [ ${#scripts[@]} -eq 0 ]; then
    echo "no shell scripts found under $PWD" >&2
    exit 1
fi
# -x follows the scripts they source, named relative to the root by their source= directives.
shellcheck -x "${scripts[@]}"
echo "shellcheck: ${#scripts[@]} scripts clean"
