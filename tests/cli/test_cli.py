"""The real quillmar.exe with options under Wine: files, redirected output, exit statuses."""

import os
import re
import subprocess
import tempfile
import unittest

EXE, PREFIX = os.environ["QUILLMAR_EXE"], os.environ["QUILLMAR_CLI_PREFIX"]  # set by CTest
EXPLORER = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer"
HEADER = "\ufeffWindows Registry Editor Version 5.00\r\n"


class CommandLine(unittest.TestCase):
    def setUp(self):
        self.env = dict(os.environ, WINEPREFIX=PREFIX, WINEDEBUG="-all", WINEARCH="win64",
                        WINEDLLOVERRIDES="mscoree,mshtml=")
        self.dir = tempfile.TemporaryDirectory(prefix="quillmar-cli-")
        self.addCleanup(self.dir.cleanup)
        self.wine(["reg", "add", EXPLORER, "/v", "NoFind", "/t", "REG_DWORD", "/d", "1", "/f"])

    def wine(self, args):
        return subprocess.run(["wine"] + args, env=self.env, cwd=self.dir.name, capture_output=True,
                              text=True, errors="replace", timeout=120)

    def run_exe(self, *args):  # stdout and stderr redirected to files, as a shell does
        paths = [os.path.join(self.dir.name, n) for n in ("out.txt", "err.txt")]
        with open(paths[0], "wb") as out, open(paths[1], "wb") as err:
            status = subprocess.run(["wine", EXE, *args], env=self.env, cwd=self.dir.name,
                                    stdout=out, stderr=err, timeout=120).returncode
        return (status, *(self.file(p, encoding="cp1252").splitlines() for p in paths))

    def file(self, name, text=None, encoding="utf-16-le"):
        path = os.path.join(self.dir.name, name)
        if text is not None:
            with open(path, "w", encoding=encoding, newline="") as f:
                f.write(text)
        with open(path, encoding=encoding, newline="") as f:
            return f.read()

    def no_find(self):
        return re.search(r"NoFind\s+REG_DWORD\s+(\S+)", self.wine(["reg", "query", EXPLORER]).stdout)[1]

    def test_export_import_dry_run_and_refusal(self):
        self.assertEqual((0, ["Quillmar 1.0"], []), self.run_exe("--version"))
        status, out, err = self.run_exe("--export", "a.reg")
        self.assertEqual((0, []), (status, err))
        exported = self.file("a.reg")
        self.assertTrue(exported.startswith(HEADER + "\r\n[HKEY_CURRENT_USER\\"), exported[:80])
        self.assertIn('"NoFind"=dword:00000001\r\n', exported)
        self.assertEqual(0, self.run_exe("--import", "a.reg")[0])  # every location now stored
        self.file("b.reg", exported.replace('"NoFind"=dword:00000001', '"NoFind"=dword:00000000'))
        change = EXPLORER.replace("HKCU", "HKEY_CURRENT_USER") + r"\NoFind: 1 -> 0"
        self.assertEqual((0, ["Dry run: nothing is written.", change], []),
                         self.run_exe("--import", "b.reg", "--dry-run"))
        self.assertEqual("0x1", self.no_find())
        self.assertEqual((0, [change, "Most settings take effect at the next logon."], []),
                         self.run_exe("--import", "b.reg"))
        self.assertEqual("0x0", self.no_find())
        self.assertEqual((0, ["Nothing changed."], []), self.run_exe("--import", "b.reg"))
        imported = self.file("b.reg")
        self.assertEqual(0, self.run_exe("--export", "b.reg")[0])  # replacing the file
        self.assertEqual(imported, self.file("b.reg"))
        self.assertEqual([], [n for n in os.listdir(self.dir.name) if n.endswith(".tmp")])

        self.file("bad.reg", exported.replace('"NoRun"', '"NoSuch"'))
        line = exported[:exported.index('"NoRun"')].count("\n") + 1
        self.assertEqual((2, [], [f'bad.reg:{line}: "NoSuch" is not a value Quillmar sets']),
                         self.run_exe("--import", "bad.reg"))
        self.assertEqual("0x0", self.no_find())
        status, out, err = self.run_exe("--export")
        self.assertEqual((2, [], "Usage: quillmar"), (status, out, err[0][:15]))


if __name__ == "__main__":
    unittest.main()
