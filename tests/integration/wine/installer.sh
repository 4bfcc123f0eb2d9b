#!/usr/bin/env bash
# The installer of this build's width, silent, in a private copy of the build's prefix:
# it replaces an older version in place (one entry in Apps & features), puts the build's
# .scr in the system folder and fills in the Uninstall values. Ondalith becomes the
# current saver on a first install, on an upgrade only where it already is (/NOACTIVATE
# and /ACTIVATE decide otherwise). The machine part alone writes nothing per user, the
# user part nothing per machine. The installed file runs "/c"; a silent upgrade while
# it runs moves the running file aside for the next restart and exits 0, an uninstall
# then exits 3010. The quiet uninstall command, as registered, returns when all is gone,
# clears the current saver only where it is still ours and leaves the idle timer on.
# The 32-bit build's run sees the 64-bit installer refused; the 64-bit build's run
# replaces an earlier 32-bit installation.
set -u -o pipefail
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
. "$TEST_TOOLS/installer.sh"
top=$(cd "$TEST_TOOLS/../.." && pwd)
case "${WINE_ARCH:-win32}" in
    win64) arch=x64 other_tree=win32 other_arch=x86 ;;
    *) arch=x86 other_tree=win64 other_arch=x64 ;;
esac
setup=$(setup_for "$(basename "$BUILD_DIR")" "$arch")
other_setup=$(setup_for "$other_tree" "$other_arch")
[ -f "$setup" ] || fail "no $setup (the installer target)"
installer_begin

ours='C:\windows\system32\Ondalith.scr'
other='C:\windows\system32\other.scr'
installed="$WINEPREFIX/drive_c/windows/system32/Ondalith.scr"
folder="$WINEPREFIX/drive_c/Program Files/Ondalith"
entry="$uninstall_key\\Ondalith"
# make_setup VERSION SCR: an installer of another version, from the same script.
make_setup() {
    bash "$top/resources/installer/make-installer.sh" "$arch" "$1" "$2" \
        "$BUILD_DIR/resources/ondalith.ico" "$work/setup-$1.exe" || fail "makensis ($1)"
}

# The 32-bit prefix stands for 32-bit Windows: the 64-bit installer must not start.
if [ "$arch" = x86 ]; then
    if [ -f "$other_setup" ]; then
        run refused.log "$other_setup" /S && fail "the 64-bit installer ran in a 32-bit prefix"
        [ ! -e "$installed" ] && [ -z "$(values "$entry")" ] ||
            fail "the refused 64-bit installer left something behind"
        echo "ok: the 64-bit installer is refused on 32-bit Windows"
    else
        echo "note: no $other_setup, the 64-bit installer's refusal is not tried"
    fi
fi

# An older version with a file of its own.
printf 'an older Ondalith.scr\n' >"$work/old.scr"
make_setup 0.9 "$work/old.scr"
set_saver "$other"
set_value "$desktop" ScreenSaveActive 0
run old.log "$work/setup-0.9.exe" /S /NOACTIVATE || fail "the older version's silent install: exit $?"
cmp -s "$work/old.scr" "$installed" || fail "the older version's file is not in the system folder"
[ "$(saver)" = "$other" ] || fail "/NOACTIVATE: SCRNSAVE.EXE is '$(saver)'"
announced old.log 1 3 && fail "/NOACTIVATE: the system was told of a new saver"
echo "ok: /NOACTIVATE leaves the current saver"

# An upgrade, as a package manager runs it: the saver the user has chosen stays.
run install.log "$setup" /S || fail "silent upgrade: exit $?"
cmp -s "$ONDALITH" "$installed" || fail "the installed .scr is not the build's"
[ -f "$folder/uninstall.exe" ] || fail "no uninstaller in Program Files"
expected="DisplayIcon	$ours
DisplayName	Ondalith Screensaver
DisplayVersion	$ONDALITH_VERSION
InstallLocation	C:\\Program Files\\Ondalith
NoModify	0x1
NoRepair	0x1
Publisher	Kestrova
QuietUninstallString	\"C:\\Program Files\\Ondalith\\uninstall.exe\" /S _?=C:\\Program Files\\Ondalith
UninstallString	\"C:\\Program Files\\Ondalith\\uninstall.exe\""
got=$(values "$entry")
[ "$(grep -v '^EstimatedSize' <<<"$got")" = "$expected" ] || fail "Uninstall values:
$got"
size=$(( $(sed -n 's/^EstimatedSize\t//p' <<<"$got") ))
files=$(( ($(stat -c %s "$installed") + $(stat -c %s "$folder/uninstall.exe")) / 1024 ))
[ "$size" -ge $((files - 2)) ] && [ "$size" -le $((files + 2)) ] || fail "EstimatedSize $size KiB, the files $files KiB"
[ "$(entries)" = 1 ] || fail "$(entries) entries in Apps & features after the upgrade"
[ "$(saver)" = "$other" ] && ! announced install.log 1 3 ||
    fail "the upgrade replaced the user's other saver: SCRNSAVE.EXE is '$(saver)'"
echo "ok: the silent upgrade replaces the older one in place, registers it and keeps the user's other saver"

# The two parts alone: the elevated one touches no user's profile (it may run as
# another user), the user's one nothing of the machine's. Each starts where the other
# part would change something: another saver chosen, an entry of another version.
set_saver "$other"
export_key HKCU user-before.reg
run machine.log "$setup" /S /MACHINEPART || fail "the machine part: exit $?"
export_key HKCU user-after.reg
diff "$work/user-before.reg" "$work/user-after.reg" >"$work/user.diff" ||
    fail "the machine part wrote under HKCU: $(grep '^[<>]' "$work/user.diff" | head -n 8)"
set_value "$entry" DisplayVersion 0.9
export_key HKLM machine-before.reg
run user.log "$setup" /S /USERPART /ACTIVATE || fail "the user part: exit $?"
export_key HKLM machine-after.reg
diff "$work/machine-before.reg" "$work/machine-after.reg" >"$work/machine.diff" ||
    fail "the user part wrote under HKLM: $(grep '^[<>]' "$work/machine.diff" | head -n 8)"
[ "$(saver)" = "$ours" ] && [ "$(value "$desktop" ScreenSaveActive)" = 1 ] && announced user.log 1 3 ||
    fail "/USERPART /ACTIVATE did not make Ondalith current: $(values "$desktop" | grep -i scr)"
echo "ok: the machine part writes nothing under HKCU, the user part nothing under HKLM; /ACTIVATE makes it current"

# While the saver runs (here "/c"), a newer version comes: the running file moves
# aside, the new one takes its name, and the current saver stays current.
cat "$ONDALITH" >"$work/newer.scr" && printf 'newer' >>"$work/newer.scr"
make_setup "$ONDALITH_VERSION.1" "$work/newer.scr"
start_saver() {
    timeout 120 wine "$ours" /c & saver_pid=$!
    [ -n "$(wait_for_window '^About$' 60)" ] || fail "the installed .scr shows no About window"
}
stop_saver() {
    timeout 60 wine "$TEST_BIN/about_probe.exe" close || fail "no About window to close"
    wait "$saver_pid"; status=$?
    [ "$status" = 0 ] || fail "the installed .scr /c: exit $status"
}
pending() { value 'HKLM\System\CurrentControlSet\Control\Session Manager' PendingFileRenameOperations; }
# removed: the file, the entry and the folder are gone; the uninstaller, which ran in
# place and holds its own file, may have left that and the folder for the restart.
removed() {
    [ ! -e "$installed" ] && [ -z "$(values "$entry")" ] || return 1
    [ -e "$folder" ] || return 0
    [ "$(ls -A "$folder")" = uninstall.exe ] &&
        grep -qF '\??\C:\Program Files\Ondalith\uninstall.exe\0\0\??\C:\Program Files\Ondalith\0' <<<"$(pending)"
}
left() { echo "$(ls -d "$installed" "$folder" 2>/dev/null) $(values "$entry" | head -n 1) pending: $(pending)"; }
start_saver
run busy.log "$work/setup-$ONDALITH_VERSION.1.exe" /S; status=$?
[ "$status" = 0 ] || fail "upgrading while the saver runs: exit $status"
cmp -s "$work/newer.scr" "$installed" || fail "the upgrade did not put the new file in place"
cmp -s "$ONDALITH" "$installed.1.old" || fail "the running file is not beside it as Ondalith.scr.1.old"
grep -q 'Ondalith\.scr\.1\.old' <<<"$(pending)" || fail "Ondalith.scr.1.old is not to go at restart: '$(pending)'"
[ "$(saver)" = "$ours" ] && announced busy.log 1 3 || fail "the upgrade did not keep Ondalith current"
stop_saver
echo "ok: the installed .scr runs /c; a silent upgrade while it runs sets it aside for the restart (exit 0)"

# The quiet uninstall while the saver runs: all but the running file now, that one at
# the restart (3010). A saver the user has since chosen stays.
start_saver
set_saver "$other"
status=$(quiet_uninstall busy-uninstall.log)
[ "$status" = 3010 ] || fail "the quiet uninstall while the saver runs: exit $status"
removed || fail "left after the quiet uninstall: $(left)"
grep -q 'Ondalith\.scr\.1\.old' <<<"$(pending)" || fail "the running file is not to go at restart: '$(pending)'"
[ "$(saver)" = "$other" ] || fail "the user's other saver went with the uninstall"
stop_saver
echo "ok: the quiet uninstall while the saver runs removes the rest and exits 3010; another saver stays"

# A first install makes Ondalith current, whatever was chosen; removed again by the
# quiet uninstall command, which has finished when it returns. The saver still ours
# (written in capitals, as Windows may) goes, the idle timer stays on.
run install2.log "$setup" /S || fail "install again: exit $?"
grep -qF 'Program Files\Ondalith' <<<"$(pending)" && fail "the new uninstaller is still to go at restart: $(pending)"
[ "$(saver)" = "$ours" ] && announced install2.log 1 3 || fail "a first install did not make Ondalith current"
set_saver 'C:\WINDOWS\SYSTEM32\ONDALITH.SCR'
set_value "$desktop" ScreenSaveActive 1
status=$(quiet_uninstall uninstall.log)
[ "$status" = 0 ] || fail "the quiet uninstall: exit $status"
removed || fail "left when the quiet uninstall returned: $(left)"
[ -z "$(saver)" ] || fail "SCRNSAVE.EXE still names '$(saver)'"
[ "$(value "$desktop" ScreenSaveActive)" = 1 ] && ! announced uninstall.log 0 3 ||
    fail "the uninstall turned the idle timer off: ScreenSaveActive is '$(value "$desktop" ScreenSaveActive)'"
announced uninstall.log 1 2 || fail "the system was not told that the saver went"
echo "ok: the quiet uninstall returns when all is gone; it clears the saver where it is ours and keeps the idle timer"

# One installation per machine: the 64-bit installer takes the place of an earlier
# 32-bit one (SysWOW64, Program Files (x86), the 32-bit view of the registry) and of
# its file as the current saver.
if [ "$arch" = x64 ]; then
    wow_key='HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Ondalith'
    wow_scr="$WINEPREFIX/drive_c/windows/syswow64/Ondalith.scr"
    wow_folder="$WINEPREFIX/drive_c/Program Files (x86)/Ondalith"
    mkdir -p "$wow_folder" && cp "$work/old.scr" "$wow_scr" && cp "$work/old.scr" "$wow_folder/uninstall.exe" ||
        fail "could not lay out a 32-bit installation"
    set_value "$wow_key" DisplayName 'Ondalith Screensaver'
    set_value "$wow_key" InstallLocation 'C:\Program Files (x86)\Ondalith'
    set_saver 'C:\windows\syswow64\Ondalith.scr'
    run replace32.log "$setup" /S || fail "installing over a 32-bit installation: exit $?"
    [ ! -e "$wow_scr" ] && [ ! -e "$wow_folder" ] && [ -z "$(values "$wow_key")" ] ||
        fail "the earlier 32-bit installation is left: $(ls -d "$wow_scr" "$wow_folder" 2>/dev/null) $(values "$wow_key" | head -n 1)"
    [ "$(entries)" = 1 ] && [ "$(saver)" = "$ours" ] ||
        fail "$(entries) entries, SCRNSAVE.EXE '$(saver)' after replacing the 32-bit installation"
    echo "ok: the 64-bit installer replaces an earlier 32-bit installation"
fi
echo PASS
