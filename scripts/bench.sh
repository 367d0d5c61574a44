#!/usr/bin/env bash
# `make bench`: quillmar.exe's start-up, memory, registry work and size, each beside its floor,
# all measured in one run under Wine on a private Xvfb, in a throw-away prefix
# (build/wine/bench). Prints one table and writes build/bench.json.
# QUILLMAR_BUILD picks another Windows build; QUILLMAR_BENCH_RUNS the start-ups of each program in
# a batch; QUILLMAR_BENCH_BATCHES the most batches, taken until three in a row agree within 3% on
# every figure with a goal; QUILLMAR_BENCH_ITERATIONS the registry iterations.
set -euo pipefail
# Everything on one CPU, the X server and the Wine server included. Every registry call is a
# round trip to the Wine server, and a process that the scheduler puts on the other CPU than the
# server pays a wake-up on each: measured here, 2,000 typed URLs read bare take 30-45 ms beside the
# server and 580-690 ms across, for the same process image, whichever it is. On one CPU each
# program pays what a call costs, as on Windows, where no other process answers it.
if [ -z "${QUILLMAR_BENCH_CPU:-}" ]; then
  export QUILLMAR_BENCH_CPU=0
  exec taskset -c "$QUILLMAR_BENCH_CPU" "$0" "$@"
fi
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
build=$(cd "${QUILLMAR_BUILD:-$root/build/windows}" && pwd)
runs=${QUILLMAR_BENCH_RUNS:-9}
batches=${QUILLMAR_BENCH_BATCHES:-10}
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
# and with 2,000, beside the empty window and the bare windows of the first page, with and without
# the bare reads of those URLs; the list's selection and "Delete" with 20 and 2,000. Batch after
# batch, all in turn, until the figures have settled.
rm -f "$raw"/startup-*.jsonl
for batch in $(seq "$batches"); do
  echo "Start-up, memory and the URL list: batch $batch, $runs runs of each program in turn ..."
  wine "$build/bench/launcher.exe" "$runs" 300 \
    Quillmar "$quillmar" Quillmar 0 none \
    Minimal "$minimal" Minimal - none \
    Bare "$bare" Quillmar 0 none \
    Bare2000 "$bare" Quillmar 2000 urls \
    Quillmar20 "$quillmar" Quillmar 20 list \
    Quillmar2000 "$quillmar" Quillmar 2000 list >"$raw/startup-$batch.jsonl"
  if [ "$batch" -ge 3 ] && python3 "$here/bench.py" --raw "$raw" --settled; then break; fi
done
echo "Load and Apply, also through the window, against the bare advapi32 calls ..."
wine "$build/bench/registry_bench.exe" "$iterations" >"$raw/registry.json"

python3 "$here/bench.py" --build "$build" --raw "$raw" --out "$root/build/bench.json"
