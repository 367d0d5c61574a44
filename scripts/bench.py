#!/usr/bin/env python3
"""Turns the raw figures of scripts/bench.sh into one table and build/bench.json: each figure
beside its floor, as a ratio, with its goal and whether the goal was met. Goals never fail the
run; they are printed beside the figures. With --settled, only tells whether the start-up
figures with a goal, taken over the batches so far, agree within 3% over the last three."""

import argparse
import glob
import json
import os
import statistics
import subprocess
import sys

# DLLs every supported Windows has in its system folder.
SYSTEM_DLLS = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "kernel32.dll", "msimg32.dll",
    "msvcrt.dll", "ole32.dll", "oleaut32.dll", "psapi.dll", "shell32.dll", "shlwapi.dll",
    "user32.dll", "uxtheme.dll", "version.dll", "windowscodecs.dll",
}

STARTUP_GOAL = 1.05
READY_GOAL = 1.05
MEMORY_GOAL = 1.25
URLS_GOAL = 1.2
LIST_GOAL = 2.0
REGISTRY_GOAL = 1.2
SIZE_GOAL_KIB = 600
SETTLED = 0.03

REGISTRY_ROWS = [
    ("load", "Form_Load"),
    ("apply", "Apply"),
    ("load_2000_urls", "Form_Load, 2,000 typed URLs"),
    ("apply_2000_urls", "Apply, 2,000 typed URLs"),
    ("export_2000_urls", "--export, 2,000 typed URLs"),
    ("import_2000_urls", "--import, twice, each changing 2,000 typed URLs"),
]


def imports(exe):
    dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", exe], capture_output=True,
                          text=True, check=True).stdout
    return [line.split(":", 1)[1].strip() for line in dump.splitlines()
            if line.strip().startswith("DLL Name:")]


def verdict(met):
    return "met" if met else "missed"


def startup_figures(runs):
    """The start-up figures of these runs, each beside its floor, by key."""
    def samples(name, key):
        return [r[key] for r in runs if r["name"] == name]

    def median(name, key):
        return statistics.median(samples(name, key))

    figures = {}

    def figure(key, label, ours, floor, goal):
        figures[key] = {"label": label, "ours": ours, "floor": floor, "ratio": ours / floor,
                        "goal_ratio": goal, "met": goal is None or ours / floor <= goal}

    n = len(samples("Quillmar", "visible_ms"))
    # The floor of what the window shows: the windows of its first page, created bare.
    figure("startup_visible", f"Start-up to window shown, ms (median of {n}), vs bare windows",
           median("Quillmar", "visible_ms"), median("Bare", "visible_ms"), STARTUP_GOAL)
    figure("startup_ready", "Start-up to taking input, ms, vs bare windows",
           median("Quillmar", "ready_ms"), median("Bare", "ready_ms"), READY_GOAL)
    figure("startup_visible_minimal", "Start-up to window shown, ms, vs an empty window",
           median("Quillmar", "visible_ms"), median("Minimal", "visible_ms"), None)
    figure("startup_ready_minimal", "Start-up to taking input, ms, vs an empty window",
           median("Quillmar", "ready_ms"), median("Minimal", "ready_ms"), None)
    figure("memory", "Peak working set once shown, KiB", median("Quillmar", "peak_kib"),
           median("Minimal", "peak_kib"), MEMORY_GOAL)
    # The floor of the extra start-up time: the bare windows started the same way, reading the
    # same addresses bare first, over the bare windows alone, in the same rounds.
    figure("startup_2000_urls", "Start-up with 2,000 URLs over none, ms, vs bare windows' reads",
           median("Quillmar2000", "ready_ms") - median("Quillmar", "ready_ms"),
           median("Bare2000", "ready_ms") - median("Bare", "ready_ms"), URLS_GOAL)
    figure("startup_2000_urls_launcher", "  the same, vs the launcher's own bare reads",
           median("Quillmar2000", "ready_ms") - median("Quillmar", "ready_ms"),
           median("Quillmar2000", "reads_ms") - median("Quillmar", "reads_ms"), None)
    figure("select_2000_urls", "List selection change, 2,000 URLs vs 20, ms",
           median("Quillmar2000", "select_ms"), median("Quillmar20", "select_ms"), LIST_GOAL)
    figure("delete_2000_urls", "Delete, 2,000 URLs vs 20, ms", median("Quillmar2000", "delete_ms"),
           median("Quillmar20", "delete_ms"), LIST_GOAL)
    painted = median("Quillmar", "painted_ms") / median("Minimal", "painted_ms")
    return figures, painted, median("Quillmar", "painted_ms")


def batches(raw):
    """The start-up runs of each batch, in the order taken."""
    files = sorted(glob.glob(os.path.join(raw, "startup-*.jsonl")),
                   key=lambda f: int(f.rsplit("-", 1)[1].split(".")[0]))
    out = []
    for path in files:
        with open(path) as f:
            out.append([json.loads(line) for line in f if line.strip()])
    return out


def settling(raw):
    """The ratios with a goal over the batches so far, after each batch, and whether the last
    three agree within SETTLED."""
    taken, history = [], []
    for batch in batches(raw):
        taken += batch
        figures = startup_figures(taken)[0]
        history.append({k: f["ratio"] for k, f in figures.items() if f["goal_ratio"] is not None})
    last = history[-3:]
    settled = len(last) == 3 and all(
        max(h[k] for h in last) <= min(h[k] for h in last) * (1 + SETTLED) for k in last[0])
    return history, settled


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build")
    parser.add_argument("--raw", required=True)
    parser.add_argument("--out")
    parser.add_argument("--settled", action="store_true")
    args = parser.parse_args()

    history, settled = settling(args.raw)
    if args.settled:
        print("  ratios so far: " + ", ".join(f"{k} {v:.3f}" for k, v in history[-1].items()))
        sys.exit(0 if settled else 1)

    runs = [r for batch in batches(args.raw) for r in batch]
    with open(os.path.join(args.raw, "registry.json")) as f:
        registry = {s["name"]: s for s in json.load(f)["scenarios"]}
    figures, painted, painted_ms = startup_figures(runs)
    window = registry["apply_2000_urls_window"]
    figures["apply_window_2000_urls"] = {
        "label": "Apply through the window, 2,000 URLs, ms, vs bare calls",
        "ours": window["ours_us"] / 1000, "floor": window["bare_us"] / 1000,
        "ratio": window["ours_us"] / window["bare_us"], "goal_ratio": REGISTRY_GOAL,
        "met": window["ours_us"] / window["bare_us"] <= REGISTRY_GOAL}

    rows = []
    for name, label in REGISTRY_ROWS:
        s = dict(registry[name])
        s["label"] = label
        s["ratio"] = s["ours_us"] / s["bare_us"]
        s["goal_ratio"] = REGISTRY_GOAL
        s["met"] = s["ratio"] <= REGISTRY_GOAL and s["replay_mismatches"] == 0
        rows.append(s)

    exe = os.path.join(args.build, "win32", "quillmar.exe")
    minimal = os.path.join(args.build, "bench", "minimal_window.exe")
    dlls = imports(exe)
    size = {
        "quillmar_kib": os.path.getsize(exe) / 1024,
        "minimal_kib": os.path.getsize(minimal) / 1024,
        "goal_kib": SIZE_GOAL_KIB,
        "imports": dlls,
        "minimal_imports": imports(minimal),
        "non_system_imports": [d for d in dlls if d.lower() not in SYSTEM_DLLS],
    }
    size["met"] = size["quillmar_kib"] < SIZE_GOAL_KIB
    size["imports_met"] = not size["non_system_imports"]

    table = [("Figure", "quillmar", "floor", "ratio", "goal", "")]
    for f in figures.values():
        goal = f"<= {f['goal_ratio']}x" if f["goal_ratio"] is not None else "(no goal)"
        table.append((f["label"], f"{f['ours']:.1f}", f"{f['floor']:.1f}", f"{f['ratio']:.2f}x",
                      goal, verdict(f["met"]) if f["goal_ratio"] is not None else ""))
    for s in rows:
        table.append((f"{s['label']}, us ({s['calls']} calls, median of {s['iterations']})",
                      f"{s['ours_us']:.0f}", f"{s['bare_us']:.0f}", f"{s['ratio']:.3f}x",
                      f"<= {REGISTRY_GOAL}x", verdict(s["met"])))
    table.append(("Exe size, KiB", f"{size['quillmar_kib']:.0f}", f"{size['minimal_kib']:.0f}",
                  "", f"< {SIZE_GOAL_KIB} KiB", verdict(size["met"])))
    table.append(("Imported DLLs", str(len(dlls)), str(len(size["minimal_imports"])), "",
                  "system only", verdict(size["imports_met"])))

    widths = [max(len(r[i]) for r in table) for i in range(6)]
    print()
    for r in table:
        print(f"{r[0]:<{widths[0]}}  {r[1]:>{widths[1]}}  {r[2]:>{widths[2]}}  "
              f"{r[3]:>{widths[3]}}  {r[4]:<{widths[4]}}  {r[5]}".rstrip())
    print(f"Start-up to its first paint done (no goal): {painted_ms:.1f} ms, "
          f"{painted:.2f}x the empty window's")
    print(f"The start-up ratios with a goal over the batches so far, after each of the "
          f"{len(history)} batches ({'settled' if settled else 'not settled'} within "
          f"{SETTLED:.0%} over the last three):")
    keys = list(history[-1])
    print("  batch  " + "  ".join(keys))
    for n, h in enumerate(history, 1):
        print(f"  {n:>5}  " + "  ".join(f"{h[k]:>{len(k)}.3f}" for k in keys))
    print("quillmar.exe imports: " + ", ".join(dlls))
    print("floors: the first page's windows created bare (alone, and after the same reads of "
          "the URLs); an empty window built the same way; the same advapi32 calls replayed bare; "
          "the same list action with 20 URLs; all on one CPU")
    for s in rows:
        if s["replay_mismatches"]:
            print(f"warning: {s['label']}: {s['replay_mismatches']} replayed calls answered "
                  "differently from the recording")

    with open(args.out, "w") as f:
        json.dump({"figures": {k + "_ratio": v for k, v in figures.items()},
                   "painted_vs_minimal": painted, "settling": history, "settled": settled,
                   "registry": rows, "exe": size, "runs": runs}, f, indent=2)
    print(f"Written: {args.out}")


if __name__ == "__main__":
    main()
