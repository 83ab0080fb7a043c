#!/usr/bin/env bash
# Builds the Debian package: a Release build with Debian's hardening flags and no tests in
# build-package/, packed by CPack, checked by lintian, desktop-file-validate and appstreamcli.
# Prints the path of the .deb; fails if any check has anything to say.
# --arch arm64 or --arch armhf cross-builds the package for that Debian architecture instead, in
# build-package-ARCH/, against a sysroot of the target's libraries that scripts/lib/sysroot.sh
# makes there; it exits with 3 when this machine's apt sources cannot give those libraries.
# Usage: scripts/package.sh [--arch ARCH]
set -euo pipefail
# Folders the install makes take the umask; a desktop user's 002 would leave them group-writable
# in the package, which lintian rejects and which would make the package differ from one built
# under 022.
umask 022
# shellcheck source=scripts/lib/folder.sh
. "$(dirname "$0")/lib/folder.sh"
enter_checkout

native=$(dpkg --print-architecture)
arch=$native
# Nothing but one --arch and its value: a stray word is more likely a mistake than something to
# build past.
case "$#:${1:-}" in
    0:) ;;
    2:--arch) arch=$2 ;;
    *) arch="" ;;
esac
case "$arch" in
    "$native") triple="" ;;
    arm64) triple=aarch64-linux-gnu ;;
    armhf) triple=arm-linux-gnueabihf ;;
    *)
        echo "usage: scripts/package.sh [--arch arm64|armhf]" >&2
        exit 2
        ;;
esac

scripts/lib/deps.sh --set gl-build --set packaging

desktop-file-validate data/rolling-cube.desktop
appstreamcli validate --no-net --pedantic --strict data/io.github.rolling_cube.metainfo.xml \
    >/dev/null

# CPack stamps the package's files with SOURCE_DATE_EPOCH, so that every build of one commit
# gives the same bytes.
# shellcheck source=scripts/lib/reproducible.sh
. scripts/lib/reproducible.sh
export_source_date_epoch

build="build-package"
admindir=/var/lib/dpkg
cross=()
if [ -n "$triple" ]; then
    build="build-package-$arch"
    scripts/lib/deps.sh mmdebstrap "g++-$triple"
    scripts/lib/sysroot.sh "$arch" "$build"
    sysroot=$root/$build/sysroot
    admindir=$sysroot-dpkg
    # dpkg-shlibdeps looks for the libraries in the sysroot, and for the packages they come from
    # in the database of its packages (DPKG_ADMINDIR, below).
    # CMake takes the sysroot's library folders for the compiler's own only when it can read
    # them from the compiler's output, which it cannot when their path has a space; it would
    # then link them in as an RPATH, which the installed program has no use for anyway.
    cross=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/debian-$arch.cmake" -DCMAKE_SYSROOT="$sysroot"
        -DCMAKE_SKIP_RPATH=ON
        -DCPACK_DEBIAN_PACKAGE_ARCHITECTURE="$arch"
        -DCPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS="$sysroot/lib/$triple;$sysroot/usr/lib/$triple")
fi

# The target's flags, as Debian builds its own packages for it. Large-file support changes
# nothing on 64-bit architectures; on armhf it keeps file offsets and sizes 64 bits wide.
export DEB_HOST_ARCH=$arch
export DEB_BUILD_MAINT_OPTIONS="hardening=+all future=+lfs"
CPPFLAGS=$(dpkg-buildflags --get CPPFLAGS)
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $CPPFLAGS"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS
# A fresh configuration each time, so that the flags above are the ones used.
rm -f "$build/CMakeCache.txt"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DROLLING_CUBE_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr "${cross[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
rm -f "$build"/*.deb
(cd "$build" && DPKG_ADMINDIR="$admindir" fakeroot cpack -G DEB >/dev/null)

deb=$(ls "$root/$build"/rolling-cube_*.deb)
allow_root=()
[ "$(id -u)" -ne 0 ] || allow_root=(--allow-root)
lintian "${allow_root[@]}" --pedantic -I -E --fail-on error,warning,info,pedantic,experimental \
    "$deb" >&2
echo "$deb"
