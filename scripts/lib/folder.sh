#!/usr/bin/env bash
# Sourced by the scripts that build. enter_checkout sets root to the checkout that holds the
# calling script, goes there, and refuses a folder the build cannot be made in.
# refuse_unbuildable_folder FOLDER stops the calling script,
# before it installs or builds anything, when FOLDER's path holds a character that CMake or make
# cannot build under, with one line saying which. CMake's own compiler check already fails on a
# double quote, a backslash or a semicolon (its list separator), and the makefiles it generates
# on a '#' (which make reads as a comment), a colon, a pipe, brackets, an asterisk, a tab or a
# line break. Spaces, ( ) & ' $ ` and letters beyond ASCII are fine.

# A CDPATH from the caller's shell profile makes cd print the folder it enters, which would land
# in every $(cd ... && pwd); unset here, it is gone for the sourcing script and all it starts.
unset CDPATH
refuse_unbuildable_folder() {
    local folder=$1 character name
    for character in '"' "\\" ';' '#' ':' '|' '[' ']' '*' $'\t' $'\n'; do
        [[ $folder == *"$character"* ]] || continue
        case "$character" in
            $'\t') name="a tab" ;;
            $'\n') name="a line break" ;;
            *) name="'$character'" ;;
        esac
        echo "$(basename "$0"): cannot build in a folder whose path holds $name, which CMake" \
            "cannot take; move or rename $(printf '%q' "$folder")" >&2
        exit 1
    done
}

enter_checkout() {
    root=$(cd "$(dirname "$0")/.." && pwd)
    cd "$root" || exit 1
    refuse_unbuildable_folder "$root"
}
