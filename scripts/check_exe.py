#!/usr/bin/env python3
"""Part of `make test`: quillmar.exe asks the loader for ASLR, 64-bit and with the relocations it
needs, and for NX; it imports only the system's known DLLs; and every source of its build was
compiled with the stack protector and _FORTIFY_SOURCE. Prints one line a check; fails on any."""

import json
import os
import re
import subprocess
import sys

# In HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\KnownDLLs on every Windows from 7 to
# 11: the loader takes them from System32 whatever folder the program is in.
KNOWN_DLLS = {
    "advapi32", "clbcatq", "comdlg32", "difxapi", "gdi32", "imagehlp", "imm32", "kernel32",
    "msctf", "msvcrt", "normaliz", "nsi", "ole32", "oleaut32", "psapi", "rpcrt4", "sechost",
    "setupapi", "shell32", "shlwapi", "user32", "wldap32", "ws2_32",
}
RELOCS_STRIPPED = 0x0001
HIGH_ENTROPY_VA, DYNAMIC_BASE, NX_COMPAT = 0x0020, 0x0040, 0x0100
HARDENING = ("-fstack-protector-strong", "-D_FORTIFY_SOURCE=2")


def headers(exe):
    return subprocess.run(["x86_64-w64-mingw32-objdump", "-p", exe], capture_output=True,
                          text=True, check=True).stdout


def imports(exe):
    """Each DLL the exe imports, by its name in lower case without .dll, with the functions."""
    table, functions = {}, None
    for line in headers(exe).splitlines():
        if m := re.match(r"\s*DLL Name: (.+)\.dll$", line, re.I):
            functions = table.setdefault(m[1].lower(), [])
        elif functions is not None and (m := re.match(r"\s*[0-9a-f]+\s+\d+\s+(\S+)$", line)):
            functions.append(m[1])
        elif not line.strip():
            functions = None
    return table


def field(text, pattern):
    return int(re.search(pattern, text, re.M)[1], 16)


def main():
    exe, build = sys.argv[1:]
    text = headers(exe)
    flags = field(text, r"^DllCharacteristics\s+([0-9a-f]+)$")
    relocations = field(text, r"^Entry 5 \S+ ([0-9a-f]+) Base Relocation Directory")
    stripped = field(text, r"^Characteristics\s+0x([0-9a-f]+)$") & RELOCS_STRIPPED
    unknown = sorted(set(imports(exe)) - KNOWN_DLLS)
    with open(os.path.join(build, "compile_commands.json")) as f:
        unhardened = [entry["file"] for entry in json.load(f)
                      if not set(HARDENING) <= set(entry["command"].split())]
    checks = [  # what, whether it holds, what breaks it
        ("ASLR (DYNAMIC_BASE)", flags & DYNAMIC_BASE, []),
        ("64-bit ASLR (HIGH_ENTROPY_VA)", flags & HIGH_ENTROPY_VA, []),
        ("NX (NX_COMPAT)", flags & NX_COMPAT, []),
        ("a relocation table, not stripped", relocations > 0 and not stripped, []),
        ("imports only known DLLs", not unknown, unknown),
        (" and ".join(HARDENING) + " in every compile", not unhardened, unhardened),
    ]
    for check, ok, offenders in checks:
        print(f"{'ok' if ok else 'FAILED'}: {check}", *offenders and ["- not:", *offenders])
    sys.exit(0 if all(ok for _, ok, _ in checks) else 1)


if __name__ == "__main__":
    main()
