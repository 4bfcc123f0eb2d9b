#!/usr/bin/env bash
# Signs one Windows executable in place (Authenticode, SHA-256) with the certificate and
# key in ONDALITH_SIGN_CERT and ONDALITH_SIGN_KEY; ONDALITH_SIGN_TIMESTAMP, where set,
# names an RFC 3161 time-stamping server. The signing time is SOURCE_DATE_EPOCH where
# set, so that one key signs one commit's files to the same bytes.
# Used by scripts/release.sh, and by makensis for the uninstaller it packs.
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 FILE" >&2; exit 2; }
file=$1
args=(-certs "${ONDALITH_SIGN_CERT:?}" -key "${ONDALITH_SIGN_KEY:?}" -h sha256
      -n "Ondalith Screensaver")
[ -z "${SOURCE_DATE_EPOCH:-}" ] || args+=(-time "$SOURCE_DATE_EPOCH")
[ -z "${ONDALITH_SIGN_TIMESTAMP:-}" ] || args+=(-ts "$ONDALITH_SIGN_TIMESTAMP")
rm -f "$file.signed"
osslsigncode sign "${args[@]}" -in "$file" -out "$file.signed" >/dev/null
mv "$file.signed" "$file"
echo "signed: $file"
