#!/usr/bin/env bash
# Makes every download of the committed tree in dist/: the source archive, the Debian packages
# for amd64, arm64 and armhf, the web site, the Windows build and SHA256SUMS over them, each the
# same bytes wherever, whenever and by whomever it is built. Refuses a work tree with uncommitted changes, since the
# downloads would not be those of any commit.
# --verify makes it all twice, in two fresh clones under different settings, and compares the
# two with diffoscope, failing with its report if any byte differs.
# Usage: scripts/release.sh [--verify]
set -euo pipefail
# The caller's umask would reach the permissions packed into every archive, and the time zone
# and locale the zip members' times and the order of names.
umask 022
export TZ=UTC LC_ALL=C.UTF-8
unset LANGUAGE
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

verify=0
case "${1:-}" in
    "") ;;
    --verify) verify=1 ;;
    *)
        echo "usage: scripts/release.sh [--verify]" >&2
        exit 2
        ;;
esac

if ! git rev-parse --git-dir >/dev/null 2>&1; then
    echo "release.sh: $root is not a git clone; a release is made from a commit" >&2
    exit 1
fi
changes=$(git status --porcelain)
if [ -n "$changes" ]; then
    echo "release.sh: the work tree has uncommitted changes; commit or stash them first:" >&2
    echo "$changes" >&2
    exit 1
fi

# shellcheck source=scripts/lib/reproducible.sh
. scripts/lib/reproducible.sh
version=$(project_version)

if [ "$verify" -eq 1 ]; then
    exec scripts/lib/release-verify.sh
fi

scripts/lib/deps.sh --set release
# The last commit's time, even if the caller's environment has another.
unset SOURCE_DATE_EPOCH
export_source_date_epoch

rm -rf dist
mkdir dist
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

echo "Packing the source of $(git rev-parse --short HEAD)"
source_archive=rolling-cube-$version.tar.gz
git -c tar.umask=022 archive --format=tar --prefix="rolling-cube-$version/" HEAD |
    gzip -9n >"dist/$source_archive"

echo "Building the Debian package"
deb=$(scripts/package.sh | tail -n 1)
cp "$deb" "dist/rolling-cube_${version}_amd64.deb"
# A release is whole or not made: every ARM package that cannot be made here is named.
unmade=()
for arch in arm64 armhf; do
    echo "Building the $arch Debian package"
    if deb=$(scripts/package.sh --arch "$arch" | tail -n 1); then
        cp "$deb" "dist/rolling-cube_${version}_$arch.deb"
    else
        unmade+=("rolling-cube_${version}_$arch.deb")
    fi
done
if [ ${#unmade[@]} -gt 0 ]; then
    echo "release.sh: could not make ${unmade[*]} (above); no release is made without them" >&2
    exit 1
fi

echo "Building the web site"
# A fresh site, so that nothing an earlier build left there is packed (or cached by the page's
# service worker, which keeps every file in the folder); the build tree beside it is reused.
rm -rf build-web
scripts/web.sh --build-only >/dev/null
site=$stage/rolling-cube-$version-web
cp -R build-web "$site"
cat >"$site/README.txt" <<EOF
Rolling Cube $version for web browsers

Serve this folder with any web server, over HTTP or HTTPS, and open its address in a browser
with WebGL. For example, from inside this folder:

    python3 -m http.server 8000 --bind 127.0.0.1

then open http://127.0.0.1:8000/. Opened straight from disk (a file:// address) the page cannot
load its files.

After one visit the page also starts without a network and can be installed as an app, but
browsers allow that only for a site served over HTTPS, or from localhost (127.0.0.1).
EOF
zip_folder "$site" "$root/dist/rolling-cube-$version-web.zip"

echo "Building the Windows version"
windows_zip=$(scripts/windows.sh | tail -n 1)
cp "$windows_zip" "dist/rolling-cube-$version-windows-x86_64.zip"

(cd dist && sha256sum -- rolling-cube* >SHA256SUMS)
echo "Made in $root/dist:"
(cd dist && ls -l)
