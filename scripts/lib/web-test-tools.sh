#!/usr/bin/env bash
# Installs what the browser version is tested and measured with: Debian's chromium and node,
# and the packages pinned in tests/web/package-lock.json (puppeteer-core, which drives that
# chromium and never downloads a browser of its own, and axe-core, which audits the page's
# accessibility).
set -euo pipefail
# A CDPATH from the caller's profile would make cd print the folder it enters.
unset CDPATH
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"

scripts/lib/deps.sh --set browser
PUPPETEER_SKIP_DOWNLOAD=1 scripts/lib/npm-ci.sh tests/web
