#!/usr/bin/env bash
# Signs the player's program with Authenticode, with the studio's certificate, and makes the
# release ZIP and SHA256SUMS again from the signed program; everything else stays as built.
#   tools/sign.sh [BUILD_DIR [OUTPUT_DIR]]   (build/mingw-x86, and BUILD_DIR/signed by default)
# From the environment: TROVANE_SIGN_CERTIFICATE, the certificate and its key as a PKCS#12
# file; TROVANE_SIGN_PASSWORD, its password; TROVANE_SIGN_TIMESTAMP_URL, an RFC 3161 time
# stamp server (none: no time stamp, as offline). Without a certificate it signs nothing.
# The release is built first (cmake --build BUILD_DIR --target release).
set -euo pipefail
source="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$source/build/mingw-x86}"
out="${2:-$build/signed}"
if [[ -z "${TROVANE_SIGN_CERTIFICATE:-}" ]]; then
  echo "tools/sign.sh: no certificate in TROVANE_SIGN_CERTIFICATE: nothing signed."
  exit 0
fi
mkdir -p "$out"
password="$(mktemp)"
trap 'rm -f "$password"' EXIT
printf '%s' "${TROVANE_SIGN_PASSWORD:-}" >"$password" # never on a command line
timestamp=()
if [[ -n "${TROVANE_SIGN_TIMESTAMP_URL:-}" ]]; then timestamp=(-ts "$TROVANE_SIGN_TIMESTAMP_URL"); fi
rm -f "$out/Trovane_Config.exe"
osslsigncode sign -pkcs12 "$TROVANE_SIGN_CERTIFICATE" -readpass "$password" -h sha256 -n Trovane_Config \
  "${timestamp[@]}" -in "$build/bin/Trovane_Config.exe" -out "$out/Trovane_Config.exe" >/dev/null
zip="Trovane_Config-$(cat "$source/VERSION")-win32.zip"
/usr/bin/python3 "$source/tools/make_release.py" --from "$build/$zip" --zip "$out/$zip" \
  "$out/Trovane_Config.exe=Trovane_Config.exe"
echo "Signed: $out/Trovane_Config.exe, in $out/$zip (SHA256SUMS beside it)"
