#!/usr/bin/env bash
# A maintainer's check of the README's promise, to run before a release: on a machine with
# nothing installed, ./scripts/run.sh and then ./scripts/test.sh pass on their first try.
# Makes a minimal Debian 12 root with mmdebstrap (minbase, with git and ca-certificates) from
# Debian's own mirror, clones the commit checked out here into it, runs the two commands there
# one after the other and prints how long each took. The root lives in a private mount namespace
# and PID namespace, so that its mounts and every process it started are gone on any exit, and
# is removed at the end; KEEP_FRESH_ROOT=1 keeps it, its path printed, to look into a failure.
# It downloads about 1 GB and needs root (sudo is used otherwise).
# Usage: scripts/fresh-machine.sh
set -euo pipefail
# shellcheck source=scripts/lib/folder.sh
. "$(dirname "$0")/lib/folder.sh"
enter_checkout
if [ $# -gt 0 ]; then
    echo "usage: scripts/fresh-machine.sh" >&2
    exit 2
fi
if [ "$(id -u)" -ne 0 ]; then
    exec sudo --preserve-env=KEEP_FRESH_ROOT,TMPDIR "$0"
fi

scripts/lib/deps.sh mmdebstrap git ca-certificates util-linux
commit=$(git rev-parse HEAD)
work=$(mktemp -d "${TMPDIR:-/tmp}/fresh-machine.XXXXXX")
chmod 755 "$work"
fresh=$work/root
cleanup() {
    if [ "${KEEP_FRESH_ROOT:-}" = 1 ]; then
        echo "The root is kept in $fresh" >&2
    else
        rm -rf --one-file-system "$work"
    fi
}
trap cleanup EXIT

mirror=http://deb.debian.org/debian
echo "Making a minimal Debian 12 root in $fresh"
mmdebstrap --quiet --variant=minbase --include=git,ca-certificates bookworm "$fresh" \
    "deb $mirror bookworm main" "deb $mirror bookworm-updates main" \
    "deb $mirror-security bookworm-security main"

# Where TLS is trusted only through this machine's own certificate store (behind a company
# proxy, say), the root's Node, which fetches the pinned npm packages, is handed that store.
# apt fetches over plain HTTP and checks signatures itself, and git clones from here.
extra_certificates=
if [ -n "${NODE_EXTRA_CA_CERTS:-}" ] && [ -f "$NODE_EXTRA_CA_CERTS" ]; then
    extra_certificates=/usr/local/share/ca-certificates-of-the-host.crt
    cp "$NODE_EXTRA_CA_CERTS" "$fresh$extra_certificates"
    echo "Handing this machine's certificates ($NODE_EXTRA_CA_CERTS) to the root's Node"
fi
cp /etc/resolv.conf /etc/hosts "$fresh/etc/"
git clone --quiet --no-local "$root" "$fresh/root/rolling-cube"
git -C "$fresh/root/rolling-cube" checkout --quiet --detach "$commit"

# Inside: the root bound onto itself, so that / is a mount point (the install test's
# unshare --mount needs one), then what a booted system has, then the two commands. A kernel
# file system's folders are made by the root's own packages.
inside=$(cat <<'EOF'
set -euo pipefail
fresh=$1
mount --bind "$fresh" "$fresh"
mount -t proc proc "$fresh/proc"
mount -t sysfs sysfs "$fresh/sys"
mount --bind /dev "$fresh/dev"
mount --bind /dev/pts "$fresh/dev/pts"
mount -t tmpfs -o mode=1777 shm "$fresh/dev/shm"
mount -t tmpfs -o mode=1777 tmp "$fresh/tmp"
exec chroot "$fresh" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    ${2:+NODE_EXTRA_CA_CERTS="$2"} /bin/bash -c '
        set -uo pipefail
        cd /root/rolling-cube
        status=0
        for command in ./scripts/run.sh ./scripts/test.sh; do
            started=$(date +%s)
            if "$command"; then outcome=passed; else outcome=failed; status=1; fi
            echo "fresh machine: $command $outcome in $(($(date +%s) - started)) s"
            [ "$outcome" = passed ] || break
        done
        exit "$status"'
EOF
)
unshare --mount --propagation private --pid --fork \
    bash -c "$inside" inside "$fresh" "$extra_certificates"
