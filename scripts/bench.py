#!/usr/bin/env python3
"""Turns the raw figures of scripts/bench.sh into one table and build/bench.json: each figure
beside its floor, as a ratio, with its goal and whether the goal was met. Goals never fail the
run; they are printed beside the figures."""

import argparse
import json
import os
import statistics
import subprocess

# DLLs every supported Windows has in its system folder.
SYSTEM_DLLS = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "kernel32.dll", "msimg32.dll",
    "msvcrt.dll", "ole32.dll", "oleaut32.dll", "psapi.dll", "shell32.dll", "shlwapi.dll",
    "user32.dll", "uxtheme.dll", "version.dll", "windowscodecs.dll",
}

STARTUP_GOAL = 1.25
READY_GOAL = 1.3
MEMORY_GOAL = 1.25
URLS_GOAL = 1.2
LIST_GOAL = 2.0
REGISTRY_GOAL = 1.2
SIZE_GOAL_KIB = 600

REGISTRY_ROWS = [
    ("load", "Form_Load"),
    ("apply", "Apply"),
    ("load_2000_urls", "Form_Load, 2,000 typed URLs"),
    ("apply_2000_urls", "Apply, 2,000 typed URLs"),
]


def imports(exe):
    dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", exe], capture_output=True,
                          text=True, check=True).stdout
    return [line.split(":", 1)[1].strip() for line in dump.splitlines()
            if line.strip().startswith("DLL Name:")]


def verdict(met):
    return "met" if met else "missed"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--raw", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()

    with open(os.path.join(args.raw, "startup.jsonl")) as f:
        runs = [json.loads(line) for line in f if line.strip()]
    with open(os.path.join(args.raw, "registry.json")) as f:
        registry = {s["name"]: s for s in json.load(f)["scenarios"]}

    def samples(name, key):
        return [r[key] for r in runs if r["name"] == name]

    def median(name, key):
        return statistics.median(samples(name, key))

    # Each figure of the window beside what it is measured against, and its goal.
    figures = {}

    def figure(key, label, ours, floor, goal):
        figures[key] = {"label": label, "ours": ours, "floor": floor, "ratio": ours / floor,
                        "goal_ratio": goal, "met": ours / floor <= goal}

    n = len(samples("Quillmar", "visible_ms"))
    figure("startup_visible", f"Start-up to window shown, ms (median of {n})",
           median("Quillmar", "visible_ms"), median("Minimal", "visible_ms"), STARTUP_GOAL)
    figure("startup_ready", "Start-up to taking input, ms", median("Quillmar", "ready_ms"),
           median("Minimal", "ready_ms"), READY_GOAL)
    # Without a goal: the first paint, which waits for input the window was given first.
    painted = median("Quillmar", "painted_ms") / median("Minimal", "painted_ms")
    # Without a goal: the windows the program shows first, created bare, beside the empty window.
    bare = median("Bare", "visible_ms") / median("Minimal", "visible_ms")
    figure("memory", "Peak working set once shown, KiB", median("Quillmar", "peak_kib"),
           median("Minimal", "peak_kib"), MEMORY_GOAL)
    # The floor of the extra start-up time: the same reads of the addresses, bare, in the same
    # rounds.
    figure("startup_2000_urls", "Start-up with 2,000 URLs over none, ms, vs their bare reads",
           median("Quillmar2000", "ready_ms") - median("Quillmar", "ready_ms"),
           median("Quillmar2000", "reads_ms") - median("Quillmar", "reads_ms"), URLS_GOAL)
    figure("select_2000_urls", "List selection change, 2,000 URLs vs 20, ms",
           median("Quillmar2000", "select_ms"), median("Quillmar20", "select_ms"), LIST_GOAL)
    figure("delete_2000_urls", "Delete, 2,000 URLs vs 20, ms", median("Quillmar2000", "delete_ms"),
           median("Quillmar20", "delete_ms"), LIST_GOAL)
    window = registry["apply_2000_urls_window"]
    figure("apply_window_2000_urls", "Apply through the window, 2,000 URLs, ms, vs bare calls",
           window["ours_us"] / 1000, window["bare_us"] / 1000, REGISTRY_GOAL)

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
        table.append((f["label"], f"{f['ours']:.1f}", f"{f['floor']:.1f}", f"{f['ratio']:.2f}x",
                      f"<= {f['goal_ratio']}x", verdict(f["met"])))
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
    print(f"Start-up to its first paint done (no goal): {median('Quillmar', 'painted_ms'):.1f} ms, "
          f"{painted:.2f}x the empty window's")
    print(f"The first page's windows created bare, to shown (no goal): "
          f"{median('Bare', 'visible_ms'):.1f} ms, {bare:.2f}x the empty window's")
    print("quillmar.exe imports: " + ", ".join(dlls))
    print("floors: an empty window built the same way; the same advapi32 calls replayed bare; "
          "the same list action with 20 URLs")
    for s in rows:
        if s["replay_mismatches"]:
            print(f"warning: {s['label']}: {s['replay_mismatches']} replayed calls answered "
                  "differently from the recording")

    with open(args.out, "w") as f:
        json.dump({"figures": {k + "_ratio": v for k, v in figures.items()},
                   "painted_vs_minimal": painted, "bare_vs_minimal": bare, "registry": rows,
                   "exe": size, "runs": runs}, f, indent=2)
    print(f"Written: {args.out}")


if __name__ == "__main__":
    main()
