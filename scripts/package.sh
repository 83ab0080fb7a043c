#!/usr/bin/env bash
# Builds the Debian package: a Release build with Debian's hardening flags and no tests in
# build-package/, packed by CPack, checked by lintian, desktop-file-validate and appstreamcli.
# Prints the path of the .deb; fails if any check has anything to say.
set -euo pipefail
# Folders the install makes take the umask; a desktop user's 002 would leave them group-writable
# in the package, which lintian rejects and which would make the package differ from one built
# under 022.
umask 022
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# shellcheck source=scripts/lib/folder.sh
. scripts/lib/folder.sh
refuse_unbuildable_folder "$root"

scripts/lib/deps.sh --set gl-build --set packaging

desktop-file-validate data/rolling-cube.desktop
appstreamcli validate --no-net --pedantic --strict data/io.github.rolling_cube.metainfo.xml \
    >/dev/null

# CPack stamps the package's files with SOURCE_DATE_EPOCH, so that every build of one commit
# gives the same bytes.
# shellcheck source=scripts/lib/reproducible.sh
. scripts/lib/reproducible.sh
export_source_date_epoch

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CPPFLAGS=$(dpkg-buildflags --get CPPFLAGS)
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $CPPFLAGS"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS
# A fresh configuration each time, so that the flags above are the ones used.
rm -f build-package/CMakeCache.txt
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DROLLING_CUBE_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build-package -j"$(nproc)" >/dev/null
rm -f build-package/*.deb
(cd build-package && fakeroot cpack -G DEB >/dev/null)

deb=$(ls "$root"/build-package/rolling-cube_*.deb)
allow_root=()
[ "$(id -u)" -ne 0 ] || allow_root=(--allow-root)
lintian "${allow_root[@]}" --pedantic -I -E --fail-on error,warning,info,pedantic,experimental \
    "$deb" >&2
echo "$deb"
