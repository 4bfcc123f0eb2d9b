#!/usr/bin/env bash
# Makes one Windows installer with makensis from ondalith.nsi beside this file.
#   make-installer.sh ARCH VERSION SCR ICON OUT
# ARCH is x64 or x86; VERSION the project's (two to four parts). With
# ONDALITH_INSTALLER_SIGNER set to a command, the uninstaller is signed with it
# (the command gets the file's name and signs it in place) before it is packed.
# The build's `installer` target, scripts/release.sh and the tests all come here.
set -euo pipefail
[ $# -eq 5 ] || { echo "usage: $0 x64|x86 VERSION SCR ICON OUT" >&2; exit 2; }
arch=$1 version=$2 scr=$3 icon=$4 out=$5
here=$(cd "$(dirname "$0")" && pwd)
# makensis reads paths from the script's folder: hand it whole ones.
absolute() { case $1 in /*) echo "$1" ;; *) echo "$PWD/$1" ;; esac; }
scr=$(absolute "$scr") icon=$(absolute "$icon") out=$(absolute "$out")

IFS=. read -r major minor patch tweak <<<"$version"
version4="$major.${minor:-0}.${patch:-0}.${tweak:-0}"

defines=(-DARCH="$arch" -DVERSION="$version" -DVERSION4="$version4"
         -DSCR="$scr" -DICON="$icon")
if [ -n "${ONDALITH_INSTALLER_SIGNER:-}" ]; then defines+=(-DSIGNER="$ONDALITH_INSTALLER_SIGNER"); fi

# Written beside and moved into place, so that a failed run leaves no installer behind.
mkdir -p "$(dirname "$out")"
rm -f "$out"
log=$(mktemp)
if ! makensis -V2 -WX -INPUTCHARSET UTF8 "${defines[@]}" -DOUTFILE="$out.part" "$here/ondalith.nsi" >"$log" 2>&1; then
    cat "$log" >&2
    if grep -q '^UninstFinalize command returned' "$log"; then
        echo "make-installer: signing the uninstaller failed ($ONDALITH_INSTALLER_SIGNER): no $(basename "$out")" >&2
    fi
    rm -f "$log" "$out.part"
    exit 1
fi
rm -f "$log"
mv "$out.part" "$out"
