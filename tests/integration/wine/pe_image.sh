#!/usr/bin/env bash
# What a Windows machine sees of Ondalith.scr before anything runs: an image of the
# build's machine type, a GUI program, and imports from no DLL but those every Windows
# has; the C and C++ runtimes are linked in, and reading the version is the shell's
# business (no version.dll). Reads the file only, so it runs on any host.
set -u -o pipefail
. "$TEST_TOOLS/xvfb.sh"

case "${WINE_ARCH:-win32}" in
    win64) format=pei-x86-64 objdump=x86_64-w64-mingw32-objdump ;;
    *) format=pei-i386 objdump=i686-w64-mingw32-objdump ;;
esac
headers=$("$objdump" -p "$ONDALITH") || fail "$objdump cannot read $ONDALITH"
grep -q "file format $format\$" <<<"$headers" || fail "not a $format image: $(grep 'file format' <<<"$headers")"
grep -Eq '^Subsystem[[:space:]]+00000002' <<<"$headers" || fail "not a Windows GUI program"

every_windows="comctl32.dll dsound.dll gdi32.dll kernel32.dll msvcrt.dll shell32.dll user32.dll"
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr '[:upper:]' '[:lower:]')
[ -n "$imports" ] || fail "no imports read"
for dll in $imports; do
    grep -qwF -- "$dll" <<<"$every_windows" || fail "imports $dll"
done
echo PASS
