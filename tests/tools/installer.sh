# Installer tests under Wine: source after xvfb.sh and wine-env.sh, then call
# installer_begin, which moves the test to a private copy of the build's prefix (the
# installers change the system folder and the machine's registry) and leaves its
# files in $work.

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
desktop='HKCU\Control Panel\Desktop'

installer_begin() {
    work=$(mktemp -d)
    wine_test_begin
    trap 'wine_stop; stop_xvfb; rm -rf "$work"' EXIT
    wine_private_prefix "$work/prefix" || fail "could not copy the prefix"
    # Every call of SystemParametersInfoW shows in Wine's relay trace on stderr.
    timeout 60 wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /d user32.SystemParametersInfoW /f >/dev/null ||
        fail "reg add"
}

# setup_for TREE ARCH: the installer that the build tree TREE (win32, win64) made.
setup_for() { echo "$BUILD_DIR/../$1/Ondalith-$ONDALITH_VERSION-$2-setup.exe"; }

# run LOG PROGRAM ARGS...: under Wine, the trace in $work/LOG; Wine's exit code.
run() {
    local log=$1; shift
    WINEDEBUG=-all,+relay timeout 120 wine "$@" 2>"$work/$log"
}
# announced LOG VALUE FLAGS: the run told the system that the screen saver is off (0)
# or on (1): SPI_SETSCREENSAVEACTIVE, broadcast (2) and written to the profile (3).
announced() { grep -q "SystemParametersInfoW(00000011,0000000$2,00000000,0000000$3)" "$work/$1"; }
# values KEY: "name<TAB>data" per value of KEY; nothing where KEY is missing.
values() {
    timeout 60 wine reg query "$1" 2>/dev/null | tr -d '\r' |
        sed -n 's/^    \([^ ].*\)    REG_[A-Z_]*    \(.*\)$/\1\t\2/p'
}
value() { values "$1" | sed -n "s/^$2\t//p"; }
set_value() { timeout 60 wine reg add "$1" /v "$2" /d "$3" /f >/dev/null || fail "reg add $1 $2"; }
set_saver() { set_value "$desktop" SCRNSAVE.EXE "$1"; }
saver() { value "$desktop" SCRNSAVE.EXE; }
entries() { timeout 60 wine reg query "$uninstall_key" /s | tr -d '\r' | grep -c 'DisplayName    REG_SZ    Ondalith Screensaver'; }
# export ROOT FILE: ROOT (HKLM, HKCU) as reg export writes it, in UTF-8, into $work/FILE.
export_key() {
    timeout 120 wine reg export "$1" "$work/$2.utf16" /y >/dev/null 2>&1 || fail "reg export $1"
    iconv -f UTF-16 -t UTF-8 "$work/$2.utf16" | tr -d '\r' >"$work/$2"
}

# quiet_uninstall LOG: the entry's QuietUninstallString, as written, through
# `start /wait` as a package manager runs it; prints its exit code (in full: Wine's
# own exit code keeps only the low 8 bits).
quiet_uninstall() {
    local command
    command=$(value "$uninstall_key\\Ondalith" QuietUninstallString)
    [ -n "$command" ] || { echo "no QuietUninstallString"; return; }
    printf '@start "" /wait %s\r\n@echo %%ERRORLEVEL%%\r\n' "$command" >"$WINEPREFIX/drive_c/quiet-uninstall.bat"
    run "$1" cmd /c 'C:\quiet-uninstall.bat' | tr -d '\r'
}
