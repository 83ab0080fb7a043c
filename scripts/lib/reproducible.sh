#!/usr/bin/env bash
# Sourced by the scripts that make downloads: what each of them needs to give the same bytes
# for the same commit, whoever builds it, wherever and whenever.

# The version in the project() line of CMakeLists.txt, the one place it is set.
project_version() {
    local version
    version=$(sed -n 's/^project(RollingCube VERSION \([0-9][0-9.]*\)[ )].*/\1/p' CMakeLists.txt)
    if [ -z "$version" ]; then
        echo "no project version found in CMakeLists.txt" >&2
        return 1
    fi
    echo "$version"
}

# Every tool that stamps a time takes SOURCE_DATE_EPOCH instead. Unless the caller set it, that
# is the last commit's time, or in an unpacked source archive the time its files carry, which
# is the same.
export_source_date_epoch() {
    if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
        if [ -e .git ]; then
            SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
        else
            SOURCE_DATE_EPOCH=$(stat -c %Y CMakeLists.txt)
        fi
    fi
    export SOURCE_DATE_EPOCH
}

# zip_folder FOLDER OUTPUT: gives every file and folder under FOLDER fixed permissions and the
# time SOURCE_DATE_EPOCH, then zips them into OUTPUT (an absolute path) as one top folder, in
# name order and with no extra fields (owners, exact times) that would differ.
zip_folder() {
    local folder=$1 output=$2
    (
        cd "$(dirname "$folder")" || exit 1
        local top
        top=$(basename "$folder")
        find "$top" -type d -exec chmod 755 {} +
        find "$top" -type f -exec chmod 644 {} +
        find "$top" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
        rm -f "$output"
        find "$top" | LC_ALL=C sort | TZ=UTC zip -q -X -9 "$output" -@
    )
}
