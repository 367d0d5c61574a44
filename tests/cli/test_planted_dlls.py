"""A copy of quillmar.exe among DLLs planted beside it, each looked for there first, as Windows
looks for such a DLL: whatever the options, none of them runs."""

import glob
import os
import pathlib
import re
import shutil
import subprocess

from check_exe import KNOWN_DLLS, imports
from harness import EXE, Scenario

# Names that programs commonly load at run time, beside those the program imports or spells.
COMMON = {"bcrypt", "comctl32", "cryptbase", "cryptsp", "dbghelp", "dwmapi", "msimg32", "profapi",
          "propsys", "rsaenh", "secur32", "sspicli", "userenv", "uxtheme", "winmm", "wtsapi32"}
# Wine's own user32 imports version.dll, so Wine loads one planted beside any program before its
# first instruction; on Windows user32 is a known DLL, whose imports come from System32.
WINE_LOADS_ITSELF = {"version"}
# Leaves NAME.dll.ran beside itself once loaded; each function the exe imports from it is Stub.
PLANTED = r"""#include <windows.h>
BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
  wchar_t path[MAX_PATH + 4];
  DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
  if (reason == DLL_PROCESS_ATTACH && length > 0 && length < MAX_PATH)
    CloseHandle(CreateFileW(lstrcatW(path, L".ran"), GENERIC_WRITE, 0, 0, CREATE_ALWAYS, 0, 0));
  return TRUE;
}
int Stub(void) { return 0; }
"""
OPTIONS = [["--help"], ["--version"], ["--export", "a.reg"], ["--import", "a.reg"],
           ["--import", "a.reg", "--dry-run"], ["--no-such-option"]]


def spelled():
    """The DLL names the program's sources spell: those it may load by name."""
    root = os.path.join(os.path.dirname(__file__), "..", "..")
    texts = [pathlib.Path(p).read_text() for p in glob.glob(os.path.join(root, "*", "*.[ch]*"))]
    return {name.lower() for text in texts for name in re.findall(r'L"(\w+)\.dll"', text)}


def cross_compile(*args, **kwargs):
    subprocess.run([os.environ["QUILLMAR_CC"], *args], check=True, **kwargs)


class PlantedDlls(Scenario):
    def test_no_planted_dll_runs_whatever_the_options(self):
        imported = imports(EXE)
        names = sorted((COMMON | set(imported) | spelled()) - KNOWN_DLLS - WINE_LOADS_ITSELF)
        folder = os.path.join(self.dir, "downloads")
        os.mkdir(folder)
        exe = shutil.copy(EXE, folder)
        stub = os.path.join(self.dir, "planted.o")
        cross_compile("-x", "c", "-c", "-", "-o", stub, input=PLANTED, text=True)
        for name in names:
            exports = "".join(f"\n{function}=Stub" for function in imported.get(name, []))
            definition = pathlib.Path(self.dir, name + ".def")
            definition.write_text("EXPORTS" + exports)
            cross_compile("-shared", "-o", os.path.join(folder, name + ".dll"), stub, definition)
        env = dict(self.env, WINEDLLOVERRIDES=f"mscoree,mshtml=;{','.join(names)}=n,b")
        ran = {}
        for options in OPTIONS:
            subprocess.run(["wine", exe, *options], env=env, cwd=folder, capture_output=True,
                           timeout=120)
            for marker in glob.glob(os.path.join(folder, "*.ran")):
                ran.setdefault(" ".join(options), []).append(os.path.basename(marker)[:-4])
                os.remove(marker)
        self.assertEqual({}, ran, f"planted: {', '.join(names)}")
