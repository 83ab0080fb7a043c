#!/usr/bin/env bash
# What release.sh --verify does: makes the release of HEAD twice, each in a fresh clone in a
# folder whose path has a space, the second under another umask, time zone and locale and with
# the clock a year and a day ahead, then compares the two dist/ folders with diffoscope. Fails,
# showing diffoscope's report, if any byte differs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/deps.sh git diffoscope faketime locales tzdata
commit=$(git rev-parse HEAD)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A locale of its own, so that the second build has one unlike the first whatever the machine
# has installed.
mkdir "$work/locales"
localedef -i de_DE -f UTF-8 "$work/locales/de_DE.utf8" 2>/dev/null ||
    { echo "release.sh: could not make the de_DE.UTF-8 locale" >&2; exit 1; }

# build NAME SHELL-COMMAND: clones HEAD into $work/NAME and runs release.sh there, preceded by
# SHELL-COMMAND's settings.
build() {
    local name=$1 settings=$2 clone="$work/$1"
    git clone -q --no-checkout "$root" "$clone"
    git -C "$clone" checkout -q --detach "$commit"
    echo "Making the release in $clone"
    if ! (cd "$clone" && bash -c "$settings; exec ./scripts/release.sh") >"$work/$name.log" 2>&1; then
        tail -n 40 "$work/$name.log"
        echo "release.sh: the release in $clone failed" >&2
        exit 1
    fi
}

start=$SECONDS
build "first clone" "umask 022; export TZ=UTC LC_ALL=C.UTF-8"
build "second clone" "umask 002; export TZ=Pacific/Chatham LOCPATH='$work/locales' \
LC_ALL=de_DE.UTF-8 FAKETIME='+366d' FAKETIME_DONT_FAKE_MONOTONIC=1 \
LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"

# Only the files' bytes count: the folders themselves were made at different times.
if ! diffoscope --exclude-directory-metadata=yes "$work/first clone/dist" \
    "$work/second clone/dist"; then
    echo "release.sh: the two releases differ (diffoscope's report above)" >&2
    exit 1
fi
echo "The two releases are the same, byte for byte ($((SECONDS - start)) s):"
cat "$work/first clone/dist/SHA256SUMS"
