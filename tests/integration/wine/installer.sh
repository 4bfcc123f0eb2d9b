#!/usr/bin/env bash
# The installer of this build's width, silent, in a private copy of the build's prefix:
# it replaces an older version in place (one entry in Apps & features), puts the build's
# .scr in the system folder, fills in the Uninstall values, makes Ondalith the current
# saver and tells the system, or leaves the saver alone with /NOACTIVATE; the installed
# file runs "/c". A running saver stops both the installer (exit 32) and the
# uninstaller. The uninstaller removes file, folder and key, and clears the current
# saver only where it is still ours. The 32-bit build's run also sees the 64-bit
# installer refused; the 64-bit build's run puts the 32-bit one in SysWOW64.
set -u -o pipefail
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
top=$(cd "$TEST_TOOLS/../.." && pwd)
case "${WINE_ARCH:-win32}" in
    win64) arch=x64 other_tree=win32 other_arch=x86 ;;
    *) arch=x86 other_tree=win64 other_arch=x64 ;;
esac
setup_for() { echo "$BUILD_DIR/../$1/Ondalith-$ONDALITH_VERSION-$2-setup.exe"; }
setup=$(setup_for "$(basename "$BUILD_DIR")" "$arch")
other_setup=$(setup_for "$other_tree" "$other_arch")
[ -f "$setup" ] || fail "no $setup (the installer target)"

work=$(mktemp -d)
wine_test_begin
trap 'wine_stop; stop_xvfb; rm -rf "$work"' EXIT
wine_private_prefix "$work/prefix" || fail "could not copy the prefix"

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
desktop='HKCU\Control Panel\Desktop'
ours='C:\windows\system32\Ondalith.scr'
other='C:\windows\system32\other.scr'
installed="$WINEPREFIX/drive_c/windows/system32/Ondalith.scr"
folder="$WINEPREFIX/drive_c/Program Files/Ondalith"

# Every call of SystemParametersInfoW shows in Wine's relay trace on stderr.
timeout 60 wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /d user32.SystemParametersInfoW /f >/dev/null ||
    fail "reg add"
# run LOG PROGRAM ARGS...: under Wine, the trace in $work/LOG; Wine's exit code.
run() {
    local log=$1; shift
    WINEDEBUG=-all,+relay timeout 120 wine "$@" 2>"$work/$log"
}
# announced LOG 0|1: the run told the system that the screen saver is off or on
# (SPI_SETSCREENSAVEACTIVE, written to the profile and broadcast).
announced() { grep -q "SystemParametersInfoW(00000011,0000000$2,00000000,00000003)" "$work/$1"; }
# The uninstaller goes on in a copy of itself in the temporary folder and its first
# process returns at once: wait for every process of the prefix to end.
uninstall() {
    run "$1" "C:\\Program Files\\Ondalith\\uninstall.exe" /S
    timeout 120 wineserver -w
}
# values KEY: "name<TAB>data" per value of KEY; nothing where KEY is missing.
values() {
    timeout 60 wine reg query "$1" 2>/dev/null | tr -d '\r' |
        sed -n 's/^    \([^ ].*\)    REG_[A-Z_]*    \(.*\)$/\1\t\2/p'
}
value() { values "$1" | sed -n "s/^$2\t//p"; }
set_saver() { timeout 60 wine reg add "$desktop" /v SCRNSAVE.EXE /d "$1" /f >/dev/null || fail "reg add"; }
entries() { timeout 60 wine reg query "$uninstall_key" /s | tr -d '\r' | grep -c 'DisplayName    REG_SZ    Ondalith Screensaver'; }

# The 32-bit prefix stands for 32-bit Windows: the 64-bit installer must not start.
if [ "$arch" = x86 ]; then
    if [ -f "$other_setup" ]; then
        run refused.log "$other_setup" /S && fail "the 64-bit installer ran in a 32-bit prefix"
        [ ! -e "$installed" ] && [ -z "$(values "$uninstall_key\\Ondalith")" ] ||
            fail "the refused 64-bit installer left something behind"
        echo "ok: the 64-bit installer is refused on 32-bit Windows"
    else
        echo "note: no $other_setup, the 64-bit installer's refusal is not tried"
    fi
fi

# An older version with a file of its own, made from the same script.
printf 'an older Ondalith.scr\n' >"$work/old.scr"
bash "$top/resources/installer/make-installer.sh" "$arch" 0.9 "$work/old.scr" \
    "$BUILD_DIR/resources/ondalith.ico" "$work/old-setup.exe" || fail "makensis (0.9)"
set_saver "$other"
timeout 60 wine reg add "$desktop" /v ScreenSaveActive /d 0 /f >/dev/null || fail "reg add"
run old.log "$work/old-setup.exe" /S /NOACTIVATE || fail "the older version's silent install: exit $?"
cmp -s "$work/old.scr" "$installed" || fail "the older version's file is not in the system folder"
[ "$(value "$desktop" SCRNSAVE.EXE)" = "$other" ] || fail "/NOACTIVATE: SCRNSAVE.EXE is '$(value "$desktop" SCRNSAVE.EXE)'"
announced old.log 1 && fail "/NOACTIVATE: the system was told of a new saver"
echo "ok: /NOACTIVATE leaves the current saver"

run install.log "$setup" /S || fail "silent install: exit $?"
cmp -s "$ONDALITH" "$installed" || fail "the installed .scr is not the build's"
[ -f "$folder/uninstall.exe" ] || fail "no uninstaller in Program Files"
expected="DisplayIcon	$ours
DisplayName	Ondalith Screensaver
DisplayVersion	$ONDALITH_VERSION
InstallLocation	C:\\Program Files\\Ondalith
NoModify	0x1
NoRepair	0x1
Publisher	Kestrova
QuietUninstallString	\"C:\\Program Files\\Ondalith\\uninstall.exe\" /S
UninstallString	\"C:\\Program Files\\Ondalith\\uninstall.exe\""
got=$(values "$uninstall_key\\Ondalith")
[ "$(grep -v '^EstimatedSize' <<<"$got")" = "$expected" ] || fail "Uninstall values:
$got"
size=$(( $(sed -n 's/^EstimatedSize\t//p' <<<"$got") ))
files=$(( ($(stat -c %s "$installed") + $(stat -c %s "$folder/uninstall.exe")) / 1024 ))
[ "$size" -ge $((files - 2)) ] && [ "$size" -le $((files + 2)) ] || fail "EstimatedSize $size KiB, the files $files KiB"
[ "$(entries)" = 1 ] || fail "$(entries) entries in Apps & features after the upgrade"
[ "$(value "$desktop" SCRNSAVE.EXE)" = "$ours" ] && [ "$(value "$desktop" ScreenSaveActive)" = 1 ] ||
    fail "not the current saver: $(values "$desktop" | grep -i scr)"
announced install.log 1 || fail "the system was not told of the new saver"
echo "ok: the silent install replaces the older one, registers it and makes it current"

# The installed saver runs; while it does, neither the installer nor the uninstaller
# touches anything.
timeout 120 wine "$ours" /c & saver=$!
[ -n "$(wait_for_window '^About$' 60)" ] || fail "the installed .scr shows no About window"
run busy.log "$setup" /S; status=$?
[ "$status" = 32 ] || fail "installing over the running saver: exit $status"
# In place (_?=, the rest of the command line unquoted: two arguments to Wine) the
# uninstaller works in its first process, which gives its exit code.
run busy-uninstall.log "C:\\Program Files\\Ondalith\\uninstall.exe" /S '_?=C:\Program' 'Files\Ondalith'; status=$?
[ "$status" = 32 ] || fail "uninstalling the running saver: exit $status"
[ -f "$installed" ] && [ -f "$folder/uninstall.exe" ] && [ -n "$(values "$uninstall_key\\Ondalith")" ] ||
    fail "the uninstaller removed parts of a running saver"
timeout 60 wine "$TEST_BIN/about_probe.exe" close || fail "no About window to close"
wait "$saver"; status=$?
[ "$status" = 0 ] || fail "the installed .scr /c: exit $status"
echo "ok: the installed .scr runs /c; in use, it is neither replaced nor removed (exit 32)"

# Since chosen another saver: the uninstaller leaves that one.
set_saver "$other"
uninstall uninstall.log
[ ! -e "$installed" ] && [ ! -e "$folder" ] || fail "file or folder left: $(ls "$installed" "$folder" 2>&1)"
[ -z "$(values "$uninstall_key\\Ondalith")" ] || fail "the Uninstall key is left"
[ "$(value "$desktop" SCRNSAVE.EXE)" = "$other" ] || fail "the user's other saver went with the uninstall"
echo "ok: the silent uninstall removes file, folder and key and keeps another saver"

# Still ours (written in capitals, as Windows may): cleared, and the system told.
run install2.log "$setup" /S || fail "install again: exit $?"
set_saver 'C:\WINDOWS\SYSTEM32\ONDALITH.SCR'
uninstall uninstall2.log
[ -z "$(value "$desktop" SCRNSAVE.EXE)" ] || fail "SCRNSAVE.EXE still names '$(value "$desktop" SCRNSAVE.EXE)'"
announced uninstall2.log 0 || fail "the system was not told that the saver went"
echo "ok: the uninstaller clears the current saver where it is ours"

# The 32-bit installer on 64-bit Windows: the system folder of 32-bit programs, the
# 32-bit view of the registry.
if [ "$arch" = x64 ]; then
    if ! host_runs_32bit; then
        echo "note: the 32-bit installer in this prefix is not tried: $(no_32bit_reason)"
    elif [ ! -f "$other_setup" ]; then
        echo "note: no $other_setup, the 32-bit installer is not tried"
    else
        run wow.log "$other_setup" /S || fail "the 32-bit installer: exit $?"
        cmp -s "$BUILD_DIR/../win32/Ondalith.scr" "$WINEPREFIX/drive_c/windows/syswow64/Ondalith.scr" ||
            fail "the 32-bit .scr is not in SysWOW64"
        [ ! -e "$installed" ] || fail "the 32-bit installer wrote into System32"
        wow_key='HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Ondalith'
        [ "$(value "$wow_key" DisplayIcon)" = 'C:\windows\syswow64\Ondalith.scr' ] &&
            [ "$(value "$wow_key" InstallLocation)" = 'C:\Program Files (x86)\Ondalith' ] ||
            fail "32-bit Uninstall values: $(values "$wow_key")"
        [ "$(value "$desktop" SCRNSAVE.EXE)" = 'C:\windows\syswow64\Ondalith.scr' ] ||
            fail "SCRNSAVE.EXE after the 32-bit install: $(value "$desktop" SCRNSAVE.EXE)"
        run wow-uninstall.log 'C:\Program Files (x86)\Ondalith\uninstall.exe' /S
        timeout 120 wineserver -w
        [ ! -e "$WINEPREFIX/drive_c/windows/syswow64/Ondalith.scr" ] && [ -z "$(values "$wow_key")" ] &&
            [ -z "$(value "$desktop" SCRNSAVE.EXE)" ] || fail "the 32-bit uninstaller left something"
        echo "ok: the 32-bit installer uses SysWOW64 and the 32-bit registry on 64-bit Windows"
    fi
fi
echo PASS
