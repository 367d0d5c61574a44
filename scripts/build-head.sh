#!/usr/bin/env bash
# Builds quillmar.exe from a clean clone of HEAD under build/repro/ (kept between runs, so that
# only what changed is built again) and prints the clone's path.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
copy="$root/build/repro/a-second-copy-under-a-longer-path/src"
head=$(git -C "$root" rev-parse HEAD)

if [ ! -d "$copy/.git" ]; then
  rm -rf "$copy"
  git clone -q --no-checkout "$root" "$copy"
fi
git -C "$copy" fetch -q "$root" "$head"
git -C "$copy" checkout -q --force --detach "$head"
git -C "$copy" clean -q -fd
(cd "$copy" && cmake --preset windows >/dev/null && cmake --build --preset windows --target quillmar >/dev/null)
echo "$copy"
