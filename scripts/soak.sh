#!/usr/bin/env bash
# `make soak`: SOAK_STARTS starts and closes of quillmar.exe in a row (default 300), then one
# window driven for SOAK_MINUTES minutes (default 2), under Wine on a private Xvfb in a
# throw-away prefix (build/wine/soak). Prints a table; fails when a start showed no window or the
# driven window grew. QUILLMAR_BUILD picks another Windows build.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
build=$(cd "${QUILLMAR_BUILD:-$root/build/windows}" && pwd)
starts=${SOAK_STARTS:-300}
minutes=${SOAK_MINUTES:-2}
source "$here/wine-env.sh"
source "$here/xvfb.sh"

for exe in win32/quillmar.exe bench/soak.exe; do
  [ -f "$build/$exe" ] || { echo "Missing $build/$exe: run make windows first." >&2; exit 1; }
done
rm -rf "$root/build/wine/soak"
quillmar_wine_prefix "$root/build/wine/soak"
unset DISPLAY
quillmar_start_xvfb
trap 'wineserver -k 2>/dev/null || true; quillmar_stop_xvfb' EXIT
quillmar_wine_managed N

echo "$starts starts and closes, then one window driven for $minutes minutes ..."
wine "$build/bench/soak.exe" "$starts" "$minutes" "Z:${build//\//\\}\\win32\\quillmar.exe"
