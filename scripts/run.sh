#!/usr/bin/env bash
# Runs quillmar.exe under Wine in the project's own prefix (build/wine/run). With no display it
# runs on a private Xvfb, waits for the window, saves a screenshot under build/ and stops it.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
exe=${QUILLMAR_EXE:-$root/build/windows/win32/quillmar.exe}
source "$here/wine-env.sh"
source "$here/xvfb.sh"
quillmar_wine_prefix "$root/build/wine/run"

if [ -n "${DISPLAY:-}" ]; then
  quillmar_wine_managed Y
  exec wine "$exe"
fi

quillmar_start_xvfb
quillmar_wine_managed N
trap 'wineserver -k 2>/dev/null || true; quillmar_stop_xvfb' EXIT
wine "$exe" &
if ! quillmar_wait_window '^Quillmar$' 60 >/dev/null; then
  echo "No Quillmar window appeared within 60 s." >&2
  exit 1
fi
sleep 2
shot="$root/build/quillmar-run.png"
import -window root "$shot"
echo "Screenshot: $shot"
