#!/usr/bin/env bash
# `make bench`: quillmar.exe's start-up, memory, registry work and size, each beside its floor,
# all measured in one run under Wine on a private Xvfb, in a throw-away prefix
# (build/wine/bench). Prints one table and writes build/bench.json.
# QUILLMAR_BUILD picks another Windows build; QUILLMAR_BENCH_RUNS and QUILLMAR_BENCH_ITERATIONS
# the number of start-ups and of registry iterations.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
build=$(cd "${QUILLMAR_BUILD:-$root/build/windows}" && pwd)
runs=${QUILLMAR_BENCH_RUNS:-15}
iterations=${QUILLMAR_BENCH_ITERATIONS:-200}
raw="$root/build/bench-raw"
source "$here/wine-env.sh"
source "$here/xvfb.sh"

for exe in win32/quillmar.exe bench/minimal_window.exe bench/bare_window.exe bench/launcher.exe \
  bench/registry_bench.exe; do
  [ -f "$build/$exe" ] || { echo "Missing $build/$exe: run make windows first." >&2; exit 1; }
done
mkdir -p "$raw"
rm -rf "$root/build/wine/bench"
quillmar_wine_prefix "$root/build/wine/bench"
unset DISPLAY
quillmar_start_xvfb
trap 'wineserver -k 2>/dev/null || true; quillmar_stop_xvfb' EXIT
quillmar_wine_managed N
# A later start: the agreement was answered once, so the tweak window opens directly.
wine reg add 'HKCU\Software\Quillmar' /v FirstTime /d First /f >/dev/null 2>&1

windows_path() { echo "Z:${1//\//\\}"; }

quillmar=$(windows_path "$build/win32/quillmar.exe")
minimal=$(windows_path "$build/bench/minimal_window.exe")
bare=$(windows_path "$build/bench/bare_window.exe")
# Start-up first, while the registry holds nothing else of the program's: with no typed URLs
# and with 2,000, beside the empty window and the bare windows of the first page; the list's
# selection and "Delete" with 20 and 2,000.
echo "Start-up, memory and the URL list: $runs runs of each program, taken in turn ..."
wine "$build/bench/launcher.exe" "$runs" 300 \
  Quillmar "$quillmar" Quillmar 0 none \
  Minimal "$minimal" Minimal - none \
  Bare "$bare" Quillmar - none \
  Quillmar20 "$quillmar" Quillmar 20 list \
  Quillmar2000 "$quillmar" Quillmar 2000 list >"$raw/startup.jsonl"
echo "Load and Apply, also through the window, against the bare advapi32 calls ..."
wine "$build/bench/registry_bench.exe" "$iterations" >"$raw/registry.json"

python3 "$here/bench.py" --build "$build" --raw "$raw" --out "$root/build/bench.json"
