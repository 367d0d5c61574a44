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
REGISTRY_GOAL = 1.2
SIZE_GOAL_KIB = 600

REGISTRY_ROWS = [
    ("load", "Form_Load"),
    ("apply", "Apply"),
    ("load_1000_urls", "Form_Load, 1,000 typed URLs"),
    ("apply_1000_urls", "Apply, 1,000 typed URLs"),
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

    def median(exe, key):
        return statistics.median(r[key] for r in runs if r["exe"] == exe)

    def samples(exe, key):
        return [r[key] for r in runs if r["exe"] == exe]

    startup = {
        "runs": len(samples("Quillmar", "visible_ms")),
        "quillmar_visible_ms": median("Quillmar", "visible_ms"),
        "minimal_visible_ms": median("Minimal", "visible_ms"),
        "quillmar_ready_ms": median("Quillmar", "ready_ms"),
        "minimal_ready_ms": median("Minimal", "ready_ms"),
        "goal_ratio": STARTUP_GOAL,
        "samples": {exe: samples(exe, "visible_ms") for exe in ("Quillmar", "Minimal")},
    }
    startup["ratio"] = startup["quillmar_visible_ms"] / startup["minimal_visible_ms"]
    startup["ready_ratio"] = startup["quillmar_ready_ms"] / startup["minimal_ready_ms"]
    startup["met"] = startup["ratio"] <= STARTUP_GOAL

    memory = {
        "quillmar_peak_kib": median("Quillmar", "peak_kib"),
        "minimal_peak_kib": median("Minimal", "peak_kib"),
    }
    memory["ratio"] = memory["quillmar_peak_kib"] / memory["minimal_peak_kib"]

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
    table.append((f"Start-up to window shown, ms (median of {startup['runs']})",
                  f"{startup['quillmar_visible_ms']:.1f}", f"{startup['minimal_visible_ms']:.1f}",
                  f"{startup['ratio']:.2f}x", f"<= {STARTUP_GOAL}x", verdict(startup["met"])))
    table.append(("Start-up to taking input, ms", f"{startup['quillmar_ready_ms']:.1f}",
                  f"{startup['minimal_ready_ms']:.1f}", f"{startup['ready_ratio']:.2f}x", "", ""))
    table.append(("Peak working set once shown, KiB", f"{memory['quillmar_peak_kib']:.0f}",
                  f"{memory['minimal_peak_kib']:.0f}", f"{memory['ratio']:.2f}x", "", ""))
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
    print("quillmar.exe imports: " + ", ".join(dlls))
    print("floors: an empty window built the same way; the same advapi32 calls replayed bare")
    for s in rows:
        if s["replay_mismatches"]:
            print(f"warning: {s['label']}: {s['replay_mismatches']} replayed calls answered "
                  "differently from the recording")

    with open(args.out, "w") as f:
        json.dump({"startup": startup, "memory": memory, "registry": rows, "exe": size}, f,
                  indent=2)
    print(f"Written: {args.out}")


if __name__ == "__main__":
    main()
