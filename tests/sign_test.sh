#!/usr/bin/env bash
# tools/sign.sh with a throwaway certificate, offline (no time stamp): the signed program
# verifies against that certificate; beside the test program it still passes the program's
# binary checks (version block, manifest, imports, ASLR and DEP) and starts the game; the
# ZIP holds it; and without its signature it is byte for byte the unsigned program. Without
# a certificate the script signs nothing and says so.
#   tests/sign_test.sh x86|x64 BUILD_DIR
set -euo pipefail
source="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$2" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if ! cmake --build "$build" --target release >"$work/release.log" 2>&1; then
  cat "$work/release.log" >&2
  # A source tree with no time of its own makes no release to sign: skipped (77).
  grep -q "No time for the release" "$work/release.log" && exit 77
  exit 1
fi
said="$(env -u TROVANE_SIGN_CERTIFICATE bash "$source/tools/sign.sh" "$build" "$work/none")"
if ! grep -q "nothing signed" <<<"$said" || [[ -e "$work/none" ]]; then
  echo "without a certificate the script did not say so, or signed something" >&2
  exit 1
fi

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Throwaway test signer" \
  -addext "extendedKeyUsage=codeSigning" -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -passout pass:throwaway -out "$work/cert.pfx"
TROVANE_SIGN_CERTIFICATE="$work/cert.pfx" TROVANE_SIGN_PASSWORD=throwaway bash "$source/tools/sign.sh" "$build" "$work/signed"
signed="$work/signed/Trovane_Config.exe"
osslsigncode verify -in "$signed" -CAfile "$work/cert.pem" >"$work/verify.log" 2>&1 ||
  { cat "$work/verify.log" >&2; echo "the signature does not verify" >&2; exit 1; }
osslsigncode remove-signature -in "$signed" -out "$work/unsigned.exe" >/dev/null
cmp "$work/unsigned.exe" "$build/bin/Trovane_Config.exe" || { echo "without its signature it is not the built program" >&2; exit 1; }
unzip -p "$work/signed/Trovane_Config-$(cat "$source/VERSION")-win32.zip" Trovane_Config.exe | cmp - "$signed"
(cd "$work/signed" && sha256sum -c --ignore-missing --quiet SHA256SUMS)

mkdir "$work/run"
cp "$build/bin/trovane_tests.exe" "$build/bin/qir_trovane.exe" "$build/bin/planted_dll.dll" "$signed" "$work/run/"
"$source/tools/wine.sh" "$1" "$work/run/trovane_tests.exe" --gtest_filter='ExeFile.*:Hardening.*:PlayOption.*' >"$work/tests.log" 2>&1 ||
  { cat "$work/tests.log" >&2; exit 1; }
# GoogleTest passes a filter that matches nothing: at least one test must have run.
grep -aE '^\[  PASSED  \] [1-9][0-9]* tests?\.' "$work/tests.log" ||
  { cat "$work/tests.log" >&2; echo "the signed program's checks ran no test" >&2; exit 1; }
echo "Signed with a throwaway certificate: it verifies, runs, passes the binary checks, and unsigns to the built program."
