#!/usr/bin/env bash
# Installs the npm packages pinned in FOLDER/package-lock.json into FOLDER/node_modules, again
# only when the lock file has changed since it last ran.
# Usage: scripts/lib/npm-ci.sh FOLDER
set -euo pipefail
folder=$1

# npm comes with some builds of nodejs and is a package of its own in Debian's.
command -v npm >/dev/null || "$(dirname "$0")/deps.sh" npm

if ! cmp -s "$folder/package-lock.json" "$folder/node_modules/.installed-lock"; then
    (cd "$folder" && npm ci --no-audit --no-fund --loglevel=error)
    cp "$folder/package-lock.json" "$folder/node_modules/.installed-lock"
fi
