#!/usr/bin/env bash
# scripts/verify-release.sh ZIP [SIG]: builds quillmar.exe again from the current commit, in a
# clean clone of it, gives it the signature SIG (the quillmar.exe.sig beside a signed release)
# when there is one, and compares it byte for byte with the quillmar.exe in ZIP.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: $0 ZIP [SIG]" >&2
  exit 2
fi
zip=$(realpath "$1")
signature=${2:+$(realpath "$2")}
copy=$("$here/build-head.sh")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
env -u QUILLMAR_SIGN_PKCS12 python3 "$copy/scripts/dist.py" --build "$copy/build/windows" \
  --out "$out" ${signature:+--attach "$signature"} >/dev/null
unzip -p "$zip" quillmar.exe >"$out/released.exe"
unzip -p "$out"/quillmar-*.zip quillmar.exe >"$out/rebuilt.exe"
commit=$(git -C "$copy" rev-parse --short HEAD)
if ! cmp -s "$out/released.exe" "$out/rebuilt.exe"; then
  echo "verify-release: the quillmar.exe in $1 is not the one built from $commit${2:+ with $2}." >&2
  exit 1
fi
echo "verify-release: the quillmar.exe in $1 is the one built from $commit${2:+ with $2}."
