# Wine for tests: source this file after xvfb.sh. One prefix per build tree, of the
# build's width (WINE_ARCH: win32 or win64, set by CTest), made once (wineboot takes
# 5-20 s) and shared by the tests of that build; its window manager hand-off is
# switched off so that closed windows don't wait 2 s each.

# Exit code by which a test tells CTest that it was skipped (SKIP_RETURN_CODE).
WINE_SKIP=77

# Whether 32-bit Wine runs here: the host must run 32-bit programs (some kernels run
# none at all) and the 32-bit Wine packages must be installed (an i386 package index
# out of step keeps them out). scripts/test-all.sh asks once and passes the answer on in
# ONDALITH_HOST_RUNS_32BIT, and apt's reason for leaving the packages out in
# ONDALITH_WINE32_MISSING; ONDALITH_NO_32BIT=1 makes any host answer no.
host_runs_32bit() {
    [ "${ONDALITH_NO_32BIT:-0}" = 1 ] && return 1
    [ -z "${ONDALITH_WINE32_MISSING:-}" ] || return 1
    case "${ONDALITH_HOST_RUNS_32BIT:-}" in
        yes) return 0 ;;
        no) return 1 ;;
    esac
    timeout 20 /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Why 32-bit tests are skipped, in one line.
no_32bit_reason() {
    if [ "${ONDALITH_NO_32BIT:-0}" = 1 ]; then
        echo "this host runs no 32-bit programs (taken so by ONDALITH_NO_32BIT=1)"
    elif [ -n "${ONDALITH_WINE32_MISSING:-}" ]; then
        echo "the 32-bit Wine packages could not be installed ($ONDALITH_WINE32_MISSING)"
    elif [ ! -e /usr/lib/wine/wine ]; then
        echo "the 32-bit Wine packages are not installed (/usr/lib/wine/wine is missing)"
    else
        echo "this host runs no 32-bit programs (/usr/lib/wine/wine cannot start)"
    fi
}

# skip WHY: ends the test as skipped.
skip() {
    echo "SKIP: $*"
    exit "$WINE_SKIP"
}

# Ends the test as skipped where the build's width cannot run here.
wine_check_width() {
    if [ "${WINE_ARCH:-win32}" = win32 ] && ! host_runs_32bit; then
        skip "32-bit Wine: $(no_32bit_reason)"
    fi
}

wine_env() {
    local build=${BUILD_DIR:?BUILD_DIR must name the build tree}
    wine_check_width
    export WINEPREFIX="$build/wineprefix"
    export WINEARCH=${WINE_ARCH:-win32} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    export HOME="${WINE_HOME:-$build/winehome}"
    # `wine` (and wine-stable, which winepath and wineboot call) picks the 32-bit loader
    # whenever it is installed; a 64-bit prefix needs the 64-bit one.
    local shims="$build/wine64-bin"
    if [ "$WINEARCH" = win64 ]; then
        export PATH="$shims:$PATH" WINELOADER=/usr/lib/wine/wine64
    fi
    mkdir -p "$HOME"
    # DirectSound needs an ALSA device to open; a null one keeps the saver silent.
    [ -f "$HOME/.asoundrc" ] || printf 'pcm.!default { type null }\n' > "$HOME/.asoundrc"
    (
        flock 9
        if [ "$WINEARCH" = win64 ] && [ ! -x "$shims/wine-stable" ]; then
            mkdir -p "$shims"
            printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$shims/wine"
            chmod +x "$shims/wine" && cp "$shims/wine" "$shims/wine-stable"
        fi
        if [ ! -f "$WINEPREFIX/.ondalith-ready" ]; then
            timeout 180 wineboot -i >/dev/null 2>&1
            timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
            timeout 60 wineserver -w
            touch "$WINEPREFIX/.ondalith-ready"
        fi
    ) 9>"$build/.wineprefix.lock"
}

# wine_private_prefix DIR: moves this test to a copy of the build's prefix in DIR (call
# after wine_env), for tests that change the system folder or the machine's registry;
# the other tests never see those changes. The system DLL folders (over 1 GB) are hard
# links, which holds as long as such a test only adds files there.
wine_private_prefix() {
    local shared=$WINEPREFIX dir=$1 folder
    mkdir -p "$dir" || return 1
    tar -C "$shared" --exclude=./drive_c/windows/system32 --exclude=./drive_c/windows/syswow64 \
        --exclude=./drive_c/windows/winsxs -cf - . | tar -C "$dir" -xf - || return 1
    for folder in system32 syswow64 winsxs; do
        [ ! -d "$shared/drive_c/windows/$folder" ] || cp -al "$shared/drive_c/windows/$folder" "$dir/drive_c/windows/" || return 1
    done
    export WINEPREFIX=$dir
}

# Ends this prefix's Wine processes (a test's leftovers must not outlive it).
wine_stop() {
    timeout 20 wineserver -k 2>/dev/null || true
}

# The usual start of a Wine test script: an X server, the prefix, and cleanup of both.
wine_test_begin() {
    wine_check_width
    start_xvfb "${1:-${XVFB_SCREEN:-1280x720x24}}" || exit 1
    wine_env
    trap 'wine_stop; stop_xvfb' EXIT
}
