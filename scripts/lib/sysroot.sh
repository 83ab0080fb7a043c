#!/usr/bin/env bash
# Makes BUILD/sysroot: what cross-building and running the program for Debian's ARCH (arm64,
# armhf) needs of the target, its C++ runtime, GLUT, GLU, OpenGL and Mesa's drivers, extracted
# from Debian's packages by mmdebstrap with this machine's own apt sources and release. Nothing
# is installed into the machine itself, and its dpkg is never told of another architecture.
# Beside it, BUILD/sysroot-dpkg is a dpkg database of the extracted packages whose file lists
# name the files by their paths in BUILD/sysroot, so that dpkg-shlibdeps, pointed at it, finds
# which package each library comes from and takes the Depends from that package's symbols.
# Both are kept and made again only when what they are made from changes.
# Where the machine's sources have no ARCH packages (Ubuntu keeps its ARM packages in a
# separate archive) it says so, writes the reason to BUILD/sysroot.unavailable and exits with 3.
# Usage: scripts/lib/sysroot.sh ARCH BUILD
set -euo pipefail
# A CDPATH from the caller's profile would make cd print the folder it enters.
unset CDPATH
arch=$1
build=$(mkdir -p "$2" && cd "$2" && pwd)
root=$build/sysroot
db=$build/sysroot-dpkg
rm -f "$build/sysroot.unavailable"

packages=libc6-dev,libstdc++-12-dev,freeglut3-dev,libglu1-mesa-dev,libgl-dev,libgl1-mesa-dri,libglx-mesa0
# shellcheck source=/dev/null
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
sources=()
for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources
do
    [ -f "$list" ] && sources+=("$list")
done

recipe=$({ echo "$arch $codename $packages $build"; cat "$0" "${sources[@]}"; } | sha256sum)
[ "$(cat "$build/sysroot.recipe" 2>/dev/null)" = "$recipe" ] && exit 0

rm -rf "$root" "$db" "$build/sysroot.recipe"
echo "Making the $arch sysroot from $codename's packages" >&2
log=$build/sysroot.log
# The downloaded packages are kept for the database below, then removed.
if ! mmdebstrap --variant=extract --architectures="$arch" --include="$packages" \
    --skip=cleanup/apt/cache "$codename" "$root" "${sources[@]}" >"$log" 2>&1; then
    if grep -Eq "Unable to locate package|has no installation candidate|binary-$arch/Packages +404" \
        "$log"; then
        echo "this machine's apt sources (${sources[*]}) give no $arch packages of $codename" \
            >"$build/sysroot.unavailable"
        cat "$build/sysroot.unavailable" >&2
        exit 3
    fi
    tail -n 20 "$log" >&2 || true
    echo "sysroot.sh: mmdebstrap failed; its whole output is in $log" >&2
    exit 1
fi

# What dpkg itself records when it unpacks a package: its control fields, its files and its
# symbols and shlibs files, under its Multi-Arch name (the database's format 1).
mkdir -p "$db/info" "$db/updates"
echo 1 >"$db/info/format"
escaped=$(printf '%s' "$root" | sed 's/[&|\\]/\\&/g')
for deb in "$root"/var/cache/apt/archives/*.deb; do
    name=$(dpkg-deb -f "$deb" Package)
    [ "$(dpkg-deb -f "$deb" Multi-Arch)" != same ] || name=$name:$(dpkg-deb -f "$deb" Architecture)
    dpkg-deb -f "$deb" | sed '1a Status: install ok installed' >>"$db/status"
    echo >>"$db/status"
    dpkg-deb --fsys-tarfile "$deb" | tar -t | sed -e 's|^\./|/|' -e 's|/$||' -e "s|^|$escaped|" \
        >"$db/info/$name.list"
    for part in symbols shlibs; do
        if dpkg-deb -I "$deb" "$part" >"$db/info/$name.$part" 2>/dev/null; then :; else
            rm "$db/info/$name.$part"
        fi
    done
done
echo "Extracted $(du -ch "$root"/var/cache/apt/archives/*.deb | tail -n 1 | cut -f 1) of packages" >&2
rm -f "$root"/var/cache/apt/archives/*.deb
echo "$recipe" >"$build/sysroot.recipe"
