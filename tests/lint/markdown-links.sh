#!/usr/bin/env bash
# Checks that every relative link in the Markdown files of the tree at $1 leads to a file or
# folder that exists, and a link to a heading (#part, here or in another file) to a heading there.
# The checker is remark-validate-links, pinned in tests/lint/package-lock.json and installed by
# scripts/lib/lint-tools.sh; it never goes to the network, so links to web addresses are not
# followed.
set -euo pipefail
# A CDPATH from the caller's profile would make cd print the folder it enters.
unset CDPATH
root=$1
lint=$(cd "$(dirname "$0")" && pwd)
cd "$root"

remark=$lint/node_modules/.bin/remark
if [ ! -x "$remark" ]; then
    echo "the link checker is not installed in $lint/node_modules; scripts/lib/lint-tools.sh" \
        "installs it" >&2
    exit 1
fi
mapfile -t files < <(find . \( -name .git -o -name node_modules -o -path './build*' \
    -o -path ./dist \) -prune -o -type f -name '*.md' -print | sort)
if [ ${#files[@]} -eq 0 ]; then
    echo "no Markdown files found under $PWD" >&2
    exit 1
fi
# --frail fails on any warning, which is how the checker reports a broken link. repository:false
# keeps it from reading the clone's remote to judge links to the hosting site's own pages.
"$remark" --quiet --frail --no-stdout --no-config --no-ignore --no-color \
    --use "$lint/node_modules/remark-validate-links/index.js=repository:false" "${files[@]}"
echo "Markdown links: ${#files[@]} files checked"
