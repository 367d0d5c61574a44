#!/usr/bin/env bash
# Part of `make test`: builds quillmar.exe and the release zip a second time, from a clone of HEAD
# under another path, and compares both byte for byte with those of build/. Fails on a difference.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
copy="$root/build/repro/a-second-copy-under-a-longer-path/src"
head=$(git -C "$root" rev-parse HEAD)
dirty=$(git -C "$root" status --porcelain --untracked-files=no)
[ -z "$dirty" ] || echo "repro: the work tree has uncommitted changes; the second copy is HEAD."

# Kept between runs, so that only what changed is built again.
if [ ! -d "$copy/.git" ]; then
  rm -rf "$copy"
  git clone -q --no-checkout "$root" "$copy"
fi
git -C "$copy" fetch -q "$root" "$head"
git -C "$copy" checkout -q --force --detach "$head"
git -C "$copy" clean -q -fd
(cd "$copy" && cmake --preset windows >/dev/null && cmake --build --preset windows --target quillmar >/dev/null)
python3 "$copy/scripts/dist.py" --build "$copy/build/windows" --out "$copy/build/dist" >/dev/null

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
