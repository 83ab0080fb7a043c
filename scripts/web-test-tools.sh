#!/usr/bin/env bash
# Installs what the browser version is tested and measured with: Debian's chromium and node,
# and the packages pinned in tests/web/package-lock.json (puppeteer-core, which drives that
# chromium and never downloads a browser of its own, and axe-core, which audits the page's
# accessibility). npm ci runs again only when the lock file has changed since it last ran.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/deps.sh nodejs chromium firefox-esr
# npm comes with some builds of nodejs and is a package of its own in Debian's.
command -v npm >/dev/null || scripts/deps.sh npm

if ! cmp -s tests/web/package-lock.json tests/web/node_modules/.installed-lock; then
    (cd tests/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
    cp tests/web/package-lock.json tests/web/node_modules/.installed-lock
fi
