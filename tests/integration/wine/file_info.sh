#!/usr/bin/env bash
# What Windows shows about Ondalith.scr, read as the system reads it: the name in the
# Screen Saver Settings, the file's version details, and the manifest's activation
# context (common controls 6, DPI awareness, supported systems, run level).
set -u -o pipefail
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/wine-env.sh"
# The file is read, not run: where this host runs no 32-bit programs, the 64-bit build's
# probe reads the 32-bit saver, in the 64-bit build's prefix.
if [ "${WINE_ARCH:-win32}" = win32 ] && ! host_runs_32bit; then
    other="$BUILD_DIR/../win64"
    [ -f "$other/tests/file_info_probe.exe" ] ||
        skip "$(no_32bit_reason), and there is no 64-bit build in $other to read the file with"
    BUILD_DIR=$(cd "$other" && pwd) WINE_ARCH=win64 TEST_BIN="$other/tests"
    export BUILD_DIR WINE_ARCH TEST_BIN
fi
wine_test_begin

probe() { timeout 60 wine "$TEST_BIN/file_info_probe.exe" "$1" "Z:$ONDALITH"; }

name=$(probe string) || fail "no string 1"
[ "$name" = Ondalith ] || fail "string 1 is '$name'"

# project() may give two to four parts; Windows always shows four.
IFS=. read -r major minor patch tweak <<<"${ONDALITH_VERSION:?}"
version="$major.${minor:-0}.${patch:-0}.${tweak:-0}"
expected="fixed $version $version
CompanyName=Kestrova
FileDescription=Ondalith Screensaver
FileVersion=$version
LegalCopyright=© Kestrova
OriginalFilename=Ondalith.scr
ProductName=Ondalith Screensaver
ProductVersion=$version
translation 0409 04b0"
got=$(probe version) || fail "no version resource"
[ "$got" = "$expected" ] || fail "version resource:
$got
expected:
$expected"

# Wine resolves the dependency to its own build of the version 6 controls.
got=$(probe manifest) || fail "no manifest resource, or no activation context from it"
grep -Eq '^assembly Microsoft\.Windows\.Common-Controls 6\.' <<<"$got" || fail "no common controls 6: $got"
expected="dpiAware true/pm
dpiAwareness PerMonitorV2, PerMonitor
supportedOS {35138b9a-5d96-4fbd-8e2d-a2440225f93a}
supportedOS {4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}
supportedOS {1f676c76-80e1-4239-95bb-83d0f6d0da78}
supportedOS {8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}
runlevel asInvoker"
[ "$(grep -v '^assembly' <<<"$got")" = "$expected" ] || fail "manifest settings:
$got"
echo PASS
