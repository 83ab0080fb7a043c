#!/usr/bin/env bash
# What release.sh --verify does: makes the release of HEAD twice, each in a fresh clone in a
# folder whose path holds a space, ( ) & ' $ and a backtick, the second in another such folder
# and minutes later, then compares the two dist/ folders with diffoscope. Fails, showing
# diffoscope's report, if any byte differs. The second is also started under another umask, time
# zone and locale, but release.sh sets its own before any tool runs (that pinning is what keeps
# them out of the downloads), so what the comparison varies is the folder and the time. (A clock
# set ahead with libfaketime does not work here: files written by the kernel keep the true time,
# so make sees a skewed clock, and dpkg-source, which unpacks freeglut for the Windows build,
# fails to set times.)
set -euo pipefail
# A CDPATH from the caller's profile would make cd print the folder it enters.
unset CDPATH
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"

scripts/lib/deps.sh git diffoscope locales tzdata
commit=$(git rev-parse HEAD)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A locale of its own to start the second build under, unlike the first whatever the machine
# has installed.
mkdir "$work/locales"
localedef -i de_DE -f UTF-8 "$work/locales/de_DE.utf8" 2>/dev/null ||
    { echo "release.sh: could not make the de_DE.UTF-8 locale" >&2; exit 1; }

# build NAME UMASK VARIABLE=VALUE...: clones HEAD into $work/NAME and runs release.sh there under
# that umask, with those variables set.
build() {
    local name=$1 mask=$2 clone="$work/$1"
    shift 2
    git clone -q --no-checkout "$root" "$clone"
    git -C "$clone" checkout -q --detach "$commit"
    echo "Making the release in $clone"
    if ! (umask "$mask" && cd "$clone" && env "$@" ./scripts/release.sh) >"$work/$name.log" 2>&1
    then
        tail -n 40 "$work/$name.log"
        echo "release.sh: the release in $clone failed" >&2
        exit 1
    fi
}

start=$SECONDS
# Names that a shell would read as commands, quotes and variables if any step let it see them.
first="first clone (old) & it's \$x \`y\`"
second="second clone (new) & it's \$z \`w\`"
build "$first" 022 TZ=UTC LC_ALL=C.UTF-8
build "$second" 002 TZ=Pacific/Chatham LOCPATH="$work/locales" LC_ALL=de_DE.UTF-8

# Only the files' bytes count: the folders themselves were made at different times.
if ! diffoscope --exclude-directory-metadata=yes "$work/$first/dist" \
    "$work/$second/dist"; then
    echo "release.sh: the two releases differ (diffoscope's report above)" >&2
    exit 1
fi
echo "The two releases are the same, byte for byte ($((SECONDS - start)) s):"
cat "$work/$first/dist/SHA256SUMS"
