#!/usr/bin/env bash
# Part of `make test`: builds quillmar.exe and the release zip a second time, from a clone of HEAD
# under another path, and compares both byte for byte with those of build/. Fails on a difference.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
dirty=$(git -C "$root" status --porcelain --untracked-files=no)
[ -z "$dirty" ] || echo "repro: the work tree has uncommitted changes; the second copy is HEAD."

copy=$("$here/build-head.sh")
# A signed release is compared with the copy's exe given the same signature, not signed again.
signature="$root/build/dist/quillmar.exe.sig"
[ -f "$signature" ] || signature=
env -u QUILLMAR_SIGN_PKCS12 python3 "$copy/scripts/dist.py" --build "$copy/build/windows" \
  --out "$copy/build/dist" ${signature:+--attach "$signature"} >/dev/null

status=0
same() {
  sha256sum "$root/$1" "$copy/$1" | sed "s|  $root/|  |"
  cmp -s "$root/$1" "$copy/$1" && return 0
  echo "repro: $1 differs from the copy built from HEAD under another path." >&2
  [ -z "$dirty" ] || echo "repro: commit the changes and run again." >&2
  status=1
}
same build/windows/win32/quillmar.exe
same "build/dist/$(basename "$(ls "$copy"/build/dist/quillmar-*.zip)")"
[ "$status" -ne 0 ] || echo "repro: quillmar.exe and the zip are the same from both paths."
exit "$status"
