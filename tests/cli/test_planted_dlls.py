"""A copy of quillmar.exe among DLLs planted beside it, each looked for there first as Windows looks
for such a DLL: whatever the options, none of them runs."""

import os
import pathlib
import re
import shutil
import subprocess

from check_exe import KNOWN_DLLS, imports
from harness import EXE, Scenario

# Names programs commonly load at run time, beside those the program imports or spells. Not
# version: Wine's own user32 imports it, so Wine loads one planted beside any program before the
# program's first instruction; on Windows user32 is a known DLL, whose imports come from System32.
COMMON = {"bcrypt", "comctl32", "cryptbase", "cryptsp", "dbghelp", "dwmapi", "msimg32", "profapi",
          "propsys", "rsaenh", "secur32", "sspicli", "userenv", "uxtheme", "winmm", "wtsapi32"}
# Leaves NAME.dll.ran beside itself once loaded; exports Stub as each function the exe imports.
PLANTED = r"""#include <windows.h>
BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
  wchar_t path[MAX_PATH + 4] = L"";
  if (reason == DLL_PROCESS_ATTACH && GetModuleFileNameW(self, path, MAX_PATH) < MAX_PATH)
    CloseHandle(CreateFileW(lstrcatW(path, L".ran"), GENERIC_WRITE, 0, 0, CREATE_ALWAYS, 0, 0));
  return TRUE;
}
int Stub(void) { return 0; }
"""
OPTIONS = [["--help"], ["--version"], ["--export", "a.reg"], ["--import", "a.reg"],
           ["--import", "a.reg", "--dry-run"], ["--no-such-option"]]


def spelled():
    """The DLL names the program's sources spell: those it may load by name."""
    sources = pathlib.Path(__file__).parents[2].glob("*/*.[ch]*")
    return {name.lower() for s in sources for name in re.findall(r'L"(\w+)\.dll"', s.read_text())}


class PlantedDlls(Scenario):
    def test_no_planted_dll_runs_whatever_the_options(self):
        imported, cc = imports(EXE), os.environ["QUILLMAR_CC"]
        names = sorted((COMMON | set(imported) | spelled()) - KNOWN_DLLS)
        folder = pathlib.Path(self.dir, "downloads")
        folder.mkdir()
        exe = shutil.copy(EXE, folder)
        stub = os.path.join(self.dir, "planted.o")
        subprocess.run([cc, "-x", "c", "-c", "-", "-o", stub], input=PLANTED, text=True, check=True)
        for name in names:
            definition = pathlib.Path(self.dir, name + ".def")
            exports = "".join(f"\n{function}=Stub" for function in imported.get(name, ()))
            definition.write_text("EXPORTS" + exports)
            subprocess.run([cc, "-shared", "-o", folder / f"{name}.dll", stub, definition],
                           check=True)
        env = dict(self.env, WINEDLLOVERRIDES=f"mscoree,mshtml=;{','.join(names)}=n,b")
        ran = {}
        for options in OPTIONS:
            subprocess.run(["wine", exe, *options], env=env, cwd=folder, capture_output=True,
                           timeout=120)
            for marker in folder.glob("*.ran"):
                ran.setdefault(" ".join(options), []).append(marker.stem)
                marker.unlink()
        self.assertEqual({}, ran, f"planted: {', '.join(names)}")
