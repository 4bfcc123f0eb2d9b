#!/usr/bin/env bash
# Makes the release into dist/ (emptied first): both Windows installers, both .scr
# (dist/windows-x64/ and dist/windows-x86/, each named Ondalith.scr), the Debian package
# and SHA256SUMS over them. Builds what it needs, without the tests, in trees of its own
# (build/release/<preset>), with the presets' settings.
#
# Two runs on one commit give the same bytes, whatever the folders and the time.
# SOURCE_DATE_EPOCH (default: the commit's time) dates what carries a date: the Debian
# package's members and a signature's signing time.
#
# Signing, where ONDALITH_SIGN_CERT and ONDALITH_SIGN_KEY name a certificate and its key
# (files osslsigncode reads; ONDALITH_SIGN_TIMESTAMP may name a time-stamping server):
# both .scr, the uninstaller inside each installer and both installers are signed before
# the checksums are written, by scripts/sign.sh or by ONDALITH_SIGNER, a command that
# signs the file named after it in place (a hardware token's, say). A file that fails to
# sign fails the release; so does any of them, the uninstaller unpacked from each
# installer included, whose signature does not then verify against the certificate
# (and the system's trusted roots). Without them nothing is signed, and the run says so.
#
# ONDALITH_RELEASE_BUILD and ONDALITH_DIST move the build trees and the output.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
absolute() { case $1 in /*) echo "$1" ;; *) echo "$top/$1" ;; esac; }
fail() { echo "release: $*" >&2; exit 1; }
build=$(absolute "${ONDALITH_RELEASE_BUILD:-build/release}")
dist=$(absolute "${ONDALITH_DIST:-dist}")

if [ -n "${ONDALITH_SIGN_CERT:-}${ONDALITH_SIGN_KEY:-}" ]; then
    [ -f "${ONDALITH_SIGN_CERT:-}" ] && [ -f "${ONDALITH_SIGN_KEY:-}" ] || {
        echo "release: signing needs both ONDALITH_SIGN_CERT and ONDALITH_SIGN_KEY, each an existing file" >&2
        exit 2
    }
    signer=${ONDALITH_SIGNER:-$top/scripts/sign.sh}
else
    signer=
fi

bash scripts/install-deps.sh
bash scripts/fetch-glfw.sh >/dev/null
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$top" log -1 --format=%ct 2>/dev/null) || {
        echo "release: not a git checkout: set SOURCE_DATE_EPOCH" >&2
        exit 2
    }
fi
export SOURCE_DATE_EPOCH
echo "release: SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH ($(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S UTC'))"

# The Debian package is assembled from the install rules; installing must not first
# build everything else in the tree.
for preset in win64 win32 linux; do
    cmake --preset "$preset" -B "$build/$preset" -DONDALITH_TESTS=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
done
jobs=$(nproc)
cmake --build "$build/win64" -j"$jobs" --target installer
cmake --build "$build/win32" -j"$jobs" --target installer
cmake --build "$build/linux" -j"$jobs" --target ondalith ondalith_docs
(cd "$build/linux" && cpack -G DEB -B "$build/linux/package" >/dev/null)

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/linux/CMakeCache.txt")
deb="ondalith_${version}_amd64.deb"
rm -rf "$dist"
mkdir -p "$dist/windows-x64" "$dist/windows-x86"
cp "$build/linux/package/$deb" "$dist/"
for pair in "x64 win64" "x86 win32"; do
    set -- $pair
    scr="$dist/windows-$1/Ondalith.scr" setup="$dist/Ondalith-$version-$1-setup.exe"
    cp "$build/$2/Ondalith.scr" "$scr"
    if [ -n "$signer" ]; then
        # The installer carries the signed .scr and a signed uninstaller.
        "$signer" "$scr" || fail "signing windows-$1/Ondalith.scr failed"
        ONDALITH_INSTALLER_SIGNER="$signer" bash resources/installer/make-installer.sh "$1" "$version" \
            "$scr" "$build/$2/resources/ondalith.ico" "$setup" ||
            fail "$(basename "$setup") was not made (its uninstaller must be signed)"
        "$signer" "$setup" || fail "signing $(basename "$setup") failed"
    else
        cp "$build/$2/Ondalith-$version-$1-setup.exe" "$setup"
    fi
done
if [ -n "$signer" ]; then
    # Every signature, checked as it ended up: the uninstaller as each installer
    # carries it. Trusted: the signing certificate and the system's roots. Offline: no
    # revocation lists fetched.
    check=$(mktemp -d)
    trap 'rm -rf "$check"' EXIT
    cat /etc/ssl/certs/ca-certificates.crt 2>/dev/null >"$check/trusted.pem" || true
    openssl x509 -in "$ONDALITH_SIGN_CERT" >>"$check/trusted.pem" 2>/dev/null ||
        openssl x509 -inform DER -in "$ONDALITH_SIGN_CERT" >>"$check/trusted.pem"
    verify() {
        osslsigncode verify -CAfile "$check/trusted.pem" -TSA-CAfile "$check/trusted.pem" -ignore-cdp \
            -in "$1" >"$check/verify.log" 2>&1 ||
            { sed 's/^/  /' "$check/verify.log" >&2; fail "no valid signature on $2"; }
    }
    for arch in x64 x86; do
        setup="Ondalith-$version-$arch-setup.exe"
        verify "$dist/windows-$arch/Ondalith.scr" "windows-$arch/Ondalith.scr"
        verify "$dist/$setup" "$setup"
        rm -rf "$check/unpacked"
        7zz x -y -o"$check/unpacked" "$dist/$setup" uninstall.exe >/dev/null &&
            [ -f "$check/unpacked/uninstall.exe" ] ||
            fail "no uninstaller to unpack from $setup"
        verify "$check/unpacked/uninstall.exe" "the uninstaller inside $setup"
    done
    echo "release: every signature verifies, the uninstallers inside the installers included"
else
    echo "release: ONDALITH_SIGN_CERT and ONDALITH_SIGN_KEY not set: nothing was signed"
fi

cd "$dist"
sha256sum "Ondalith-$version-x64-setup.exe" "Ondalith-$version-x86-setup.exe" \
    windows-x64/Ondalith.scr windows-x86/Ondalith.scr "$deb" > SHA256SUMS
sha256sum -c --quiet SHA256SUMS
echo "release: $dist"
sed 's/^/  /' SHA256SUMS
