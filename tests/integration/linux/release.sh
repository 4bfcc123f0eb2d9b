#!/usr/bin/env bash
# The release: scripts/release.sh, run in a folder of its own, builds the same bytes as
# this suite's own build trees (the first build: same commit, other folder, other
# time): both .scr, both installers and the Debian package; SHA256SUMS checks out.
# Run again with a throwaway certificate, it signs both .scr, both installers and the
# uninstaller packed in each, and the installers carry the signed .scr; with a signer
# that fails on the uninstaller, it fails and says so.
set -u -o pipefail
. "$TEST_TOOLS/xvfb.sh"
top=$(cd "$TEST_TOOLS/../.." && pwd)
builds=$(cd "$BUILD_DIR/.." && pwd)
version=${ONDALITH_VERSION:?}
x64="Ondalith-$version-x64-setup.exe" x86="Ondalith-$version-x86-setup.exe" deb="ondalith_${version}_amd64.deb"
for file in win64/Ondalith.scr win32/Ondalith.scr "win64/$x64" "win32/$x86"; do
    [ -f "$builds/$file" ] || fail "no $builds/$file: build the win32 and win64 presets first"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$top" log -1 --format=%ct)}

(cd "$BUILD_DIR" && timeout 300 cpack -G DEB -B "$work/first") >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }

# release DIST [VARIABLES...]: scripts/release.sh into $work/DIST, building in $work/build.
release() {
    local dist=$1; shift
    env ONDALITH_RELEASE_BUILD="$work/build" ONDALITH_DIST="$work/$dist" ONDALITH_SIGN_CERT= ONDALITH_SIGN_KEY= "$@" \
        timeout 900 bash "$top/scripts/release.sh" >"$work/$dist.log" 2>&1 ||
        { tail -n 40 "$work/$dist.log"; fail "scripts/release.sh ($dist)"; }
    (cd "$work/$dist" && sha256sum -c --quiet SHA256SUMS) || fail "sha256sum -c in $dist"
    [ "$(cut -d' ' -f3 "$work/$dist/SHA256SUMS" | sort | xargs)" = \
      "$x64 $x86 $deb windows-x64/Ondalith.scr windows-x86/Ondalith.scr" ] ||
        fail "SHA256SUMS lists: $(cut -d' ' -f3 "$work/$dist/SHA256SUMS" | xargs)"
}

release dist
grep -qx "release: ONDALITH_SIGN_CERT and ONDALITH_SIGN_KEY not set: nothing was signed" "$work/dist.log" ||
    fail "the unsigned release does not say that nothing was signed"
while read -r first second; do
    cmp -s "$first" "$work/dist/$second" || fail "$second differs from $first"
    echo "same: $(sha256sum <"$first" | cut -d' ' -f1)  $second"
done <<EOF
$builds/win64/Ondalith.scr windows-x64/Ondalith.scr
$builds/win32/Ondalith.scr windows-x86/Ondalith.scr
$builds/win64/$x64 $x64
$builds/win32/$x86 $x86
$work/first/$deb $deb
EOF
echo "ok: $builds and $work/build give the same bytes"

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Ondalith test signer" \
    -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null || fail "openssl req"
release signed ONDALITH_SIGN_CERT="$work/cert.pem" ONDALITH_SIGN_KEY="$work/key.pem"
grep -q "nothing was signed" "$work/signed.log" && fail "the signed release says that nothing was signed"
# The throwaway certificate is its own root; trusting it lets the whole chain verify.
signed() { osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >"$work/verify.log" 2>&1; }
for arch in x64 x86; do
    setup="$work/signed/Ondalith-$version-$arch-setup.exe" scr="$work/signed/windows-$arch/Ondalith.scr"
    signed "$scr" || { cat "$work/verify.log"; fail "no valid signature on windows-$arch/Ondalith.scr"; }
    signed "$setup" || { cat "$work/verify.log"; fail "no valid signature on the $arch installer"; }
    rm -rf "$work/unpacked"
    7zz x -y -o"$work/unpacked" "$setup" >/dev/null || fail "7zz cannot unpack the $arch installer"
    signed "$work/unpacked/uninstall.exe" || { cat "$work/verify.log"; fail "no valid signature on the $arch uninstaller"; }
    cmp -s "$scr" "$(find "$work/unpacked" -name Ondalith.scr)" || fail "the $arch installer does not carry the signed .scr"
    cmp -s "$work/dist/$(basename "$setup")" "$setup" && fail "the signed $arch installer is the unsigned one"
done
echo "ok: signed .scr, installers and uninstallers"

# A signer that signs everything but the uninstaller (which makensis hands it under a
# temporary name) must stop the release.
cat >"$work/partial-signer.sh" <<EOF
#!/bin/sh
case \$1 in *Ondalith.scr|*-setup.exe) exec bash "$top/scripts/sign.sh" "\$1" ;; esac
echo "partial signer: refusing \$1" >&2
exit 1
EOF
chmod +x "$work/partial-signer.sh"
env ONDALITH_RELEASE_BUILD="$work/build" ONDALITH_DIST="$work/partial" ONDALITH_SIGNER="$work/partial-signer.sh" \
    ONDALITH_SIGN_CERT="$work/cert.pem" ONDALITH_SIGN_KEY="$work/key.pem" \
    timeout 900 bash "$top/scripts/release.sh" >"$work/partial.log" 2>&1 &&
    fail "scripts/release.sh succeeded although the uninstaller was not signed"
said=$(grep '^release: \|^make-installer: ' "$work/partial.log" | tail -n 2 | xargs)
grep -q uninstaller <<<"$said" || { tail -n 20 "$work/partial.log"; fail "the failed release does not name the uninstaller"; }
echo "ok: an unsigned uninstaller fails the release: $said"
echo PASS
