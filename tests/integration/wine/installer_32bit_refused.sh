#!/usr/bin/env bash
# One installation per machine: on 64-bit Windows the 32-bit Setup, silent, refuses
# with 216 and changes nothing (no file in SysWOW64, nothing in either registry). Runs
# in the 64-bit build's prefix, and needs a host that runs 32-bit programs.
set -u -o pipefail
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
. "$TEST_TOOLS/installer.sh"
[ "${WINE_ARCH:-win32}" = win64 ] ||
    skip "a 32-bit prefix stands for 32-bit Windows, where the 32-bit Setup installs (the installer test)"
host_runs_32bit || skip "the 32-bit Setup on 64-bit Windows: $(no_32bit_reason)"
setup=$(setup_for win32 x86)
[ -f "$setup" ] || fail "no $setup (the win32 build's installer target)"
installer_begin

export_key HKLM machine-before.reg
export_key HKCU user-before.reg
# Wine's exit code keeps the low 8 bits, which 216 fits.
run refused.log "$setup" /S; status=$?
[ "$status" = 216 ] || fail "the 32-bit Setup on 64-bit Windows: exit $status"
[ ! -e "$WINEPREFIX/drive_c/windows/syswow64/Ondalith.scr" ] && [ ! -e "$WINEPREFIX/drive_c/Program Files (x86)/Ondalith" ] ||
    fail "the refused 32-bit Setup wrote files"
export_key HKLM machine-after.reg
export_key HKCU user-after.reg
cmp -s "$work/machine-before.reg" "$work/machine-after.reg" && cmp -s "$work/user-before.reg" "$work/user-after.reg" ||
    fail "the refused 32-bit Setup changed the registry"
echo "ok: the 32-bit Setup refuses on 64-bit Windows (216) and changes nothing"
echo PASS
