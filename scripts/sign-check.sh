#!/usr/bin/env bash
# Part of `make test`: the signed release end to end, with a self-signed certificate made here and
# thrown away with its key. make dist's signing, osslsigncode's check of the signed exe against
# that certificate, and verify-release.sh deriving the signed exe again from a rebuild and the
# detached signature alone; then the unsigned release of build/dist derived again too.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

openssl req -x509 -newkey rsa:3072 -nodes -days 1 -subj "/CN=Quillmar test signing" \
  -keyout "$work/key.pem" -out "$work/certificate.pem" 2>/dev/null
openssl rand -base64 24 >"$work/password"
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/certificate.pem" \
  -passout "file:$work/password" -out "$work/signer.p12"
QUILLMAR_SIGN_PKCS12="$work/signer.p12" QUILLMAR_SIGN_PASSWORD_FILE="$work/password" \
  python3 "$here/dist.py" --out "$work/dist"
zip=$(ls "$work"/dist/quillmar-*.zip)
unzip -p "$zip" quillmar.exe >"$work/quillmar.exe"
osslsigncode verify -CAfile "$work/certificate.pem" -in "$work/quillmar.exe" |
  grep -E '^(Message digest algorithm +:|Signature verification)'
"$here/verify-release.sh" "$zip" "$work/dist/quillmar.exe.sig"
"$here/verify-release.sh" "$root"/build/dist/quillmar-*.zip
