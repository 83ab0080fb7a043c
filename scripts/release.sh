#!/usr/bin/env bash
# Makes every download of the committed tree in dist/: the source archive, the Debian packages
# for amd64, arm64 and armhf, the web site, the Windows build and SHA256SUMS over them, each the
# same bytes wherever, whenever and by whomever it is built. Every download is built from the commit itself: the
# source archive is packed from it, and the others are built from that archive, unpacked under
# build-release/, never from the work tree. dist/ is replaced only once every download and
# SHA256SUMS are made, so a failed release leaves the last one as it was (or none).
# Refuses a work tree with uncommitted changes, also those that git status hides (files marked
# skip-worktree or assume-unchanged), since whoever made them would take them for released; and
# refuses to run anywhere but at the top of a clone, since git would answer for the clone around.
# --verify makes it all twice, in two fresh clones under different settings, and compares the
# two with diffoscope, failing with its report if any byte differs.
# Usage: scripts/release.sh [--verify]
set -euo pipefail
# The caller's umask would reach the permissions packed into every archive, and the time zone
# and locale the zip members' times and the order of names.
umask 022
export TZ=UTC LC_ALL=C.UTF-8
unset LANGUAGE
# shellcheck source=scripts/lib/folder.sh
. "$(dirname "$0")/lib/folder.sh"
enter_checkout

verify=0
case "${1:-}" in
    "") ;;
    --verify) verify=1 ;;
    *)
        echo "usage: scripts/release.sh [--verify]" >&2
        exit 2
        ;;
esac

if ! top=$(git rev-parse --show-toplevel 2>/dev/null); then
    echo "release.sh: $root is not a git clone; a release is made from a commit" >&2
    exit 1
fi
if [ "$top" != "$(pwd -P)" ]; then
    echo "release.sh: $root is not the top of a git clone but lies inside the clone at $top," \
        "whose commit is not this folder's; run it from the top of a clone of its own" >&2
    exit 1
fi
changes=$(git status --porcelain)
if [ -n "$changes" ]; then
    echo "release.sh: the work tree has uncommitted changes; commit or stash them first:" >&2
    echo "$changes" >&2
    exit 1
fi

# Prints the files marked skip-worktree or assume-unchanged whose content differs from the index:
# git status does not look at them.
hidden_edits() {
    local entry tag path
    while IFS= read -r -d '' entry; do
        tag=${entry%% *}
        path=${entry#* }
        [[ $tag == S || $tag == [a-z] ]] || continue
        if [ ! -f "$path" ] || [ -L "$path" ]; then continue; fi
        [ "$(git hash-object -- "$path")" = "$(git rev-parse ":$path")" ] || printf '%s\n' "$path"
    done < <(git ls-files -v -z)
}
hidden=$(hidden_edits)
if [ -n "$hidden" ]; then
    echo "release.sh: the work tree has uncommitted changes that git status does not show, in" \
        "files marked skip-worktree or assume-unchanged; commit them, or restore them and clear" \
        "the marks (git update-index --no-skip-worktree --no-assume-unchanged):" >&2
    echo "$hidden" >&2
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

# Everything is made under build-release/ and moved to dist/ when whole. One release at a time:
# a second would empty the first's folder under it. The lock is a file there, held with flock
# and so let go by the kernel however the holder ends; the folder is emptied around it and the
# lock removed last, while still held, so that a release starting meanwhile either sees it held
# or makes a fresh one.
scratch=$root/build-release
made=$scratch/dist
lock=$scratch/.lock
mkdir -p "$scratch"
exec 9>>"$lock"
if ! flock --nonblock 9; then
    echo "release.sh: a release is already running in $root (it holds build-release/.lock);" \
        "wait for it to end" >&2
    exit 1
fi
empty_scratch() {
    find "$scratch" -mindepth 1 -maxdepth 1 ! -name .lock -exec rm -rf {} +
}
trap 'empty_scratch; rm -f "$lock"; rmdir "$scratch" 2>/dev/null || true' EXIT
empty_scratch
mkdir -p "$made"

echo "Packing the source of $(git rev-parse --short HEAD)"
source_archive=rolling-cube-$version.tar.gz
git -c tar.umask=022 archive --format=tar --prefix="rolling-cube-$version/" HEAD |
    gzip -9n >"$made/$source_archive"
# The tree every other download is built from: the source archive, as a user unpacks it. Its
# files carry the commit's time, as export_source_date_epoch expects without a .git.
tar -xzf "$made/$source_archive" -C "$scratch"
tree=$scratch/rolling-cube-$version

echo "Building the Debian package"
deb=$("$tree/scripts/package.sh" | tail -n 1)
cp "$deb" "$made/rolling-cube_${version}_amd64.deb"
# A release is whole or not made: every ARM package that cannot be made here is named.
unmade=()
for arch in arm64 armhf; do
    echo "Building the $arch Debian package"
    if deb=$("$tree/scripts/package.sh" --arch "$arch" | tail -n 1); then
        cp "$deb" "$made/rolling-cube_${version}_$arch.deb"
    else
        unmade+=("rolling-cube_${version}_$arch.deb")
    fi
done
if [ ${#unmade[@]} -gt 0 ]; then
    echo "release.sh: could not make ${unmade[*]} (above); no release is made without them" >&2
    exit 1
fi

echo "Building the web site"
"$tree/scripts/web.sh" --build-only >/dev/null
site=$scratch/rolling-cube-$version-web
cp -R "$tree/build-web" "$site"
cat >"$site/README.txt" <<EOF
Rolling Cube $version for web browsers

Serve this folder with any web server, over HTTP or HTTPS, and open its address in a browser
with WebGL. For example, from inside this folder:

    python3 -m http.server 8000 --bind 127.0.0.1

then open http://127.0.0.1:8000/. Opened straight from disk (a file:// address) the page cannot
load its files. Its address must end in / (http://example.org/cube/, not .../cube), since the
page loads everything beside it by relative addresses. A server that sends a
Content-Security-Policy must allow at least: default-src 'self'; script-src 'self'
'wasm-unsafe-eval'.

After one visit the page also starts without a network and can be installed as an app, but
browsers allow that only for a site served over HTTPS, or from localhost (127.0.0.1).

Beside each file but the icons lie its brotli (.br) and gzip (.gz) copies. A server that sends
them to browsers that accept them, such as nginx with gzip_static and brotli_static, makes the
page load in a fraction of the time on a slow network. Send the files with Cache-Control:
no-cache, since a new release keeps their names.
EOF
zip_folder "$site" "$made/rolling-cube-$version-web.zip"

echo "Building the Windows version"
windows_zip=$("$tree/scripts/windows.sh" | tail -n 1)
cp "$windows_zip" "$made/rolling-cube-$version-windows-x86_64.zip"

(cd "$made" && sha256sum -- rolling-cube* >SHA256SUMS)
# Only now, with every file made, is the last release replaced. Should this step itself be cut
# short, there is no dist/ rather than half of one.
rm -rf dist
mv "$made" dist
echo "Made in $root/dist:"
(cd dist && ls -l)
