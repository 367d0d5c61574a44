"""The real quillmar.exe with options under Wine: files, redirected output, exit statuses."""

import os
import pathlib
import subprocess

from harness import EXE, Scenario

EXPLORER = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer"
HEADER = "\ufeffWindows Registry Editor Version 5.00\r\n"


class CommandLine(Scenario):
    def run_exe(self, *args):  # stdout and stderr redirected to files, as a shell does
        paths = [os.path.join(self.dir, n) for n in ("out.txt", "err.txt")]
        with open(paths[0], "wb") as out, open(paths[1], "wb") as err:
            status = subprocess.run(["wine", EXE, *args], env=self.env, cwd=self.dir, stdout=out,
                                    stderr=err, timeout=120).returncode
        return (status, *(self.file(p, encoding="cp1252").splitlines() for p in paths))

    def file(self, name, encoding="utf-16-le"):  # as it stands, line ends and all
        return pathlib.Path(self.dir, name).read_bytes().decode(encoding)

    def test_export_import_dry_run_and_refusal(self):
        self.reg_add(EXPLORER, "NoFind", "REG_DWORD", "1")
        self.assertEqual((0, []), self.run_exe("--export", "a.reg")[::2])  # status, stderr
        exported = self.file("a.reg")
        self.assertTrue(exported.startswith(HEADER + "\r\n[HKEY_CURRENT_USER\\"), exported[:80])
        self.assertIn('"NoFind"=dword:00000001\r\n', exported)
        self.assertEqual(0, self.run_exe("--import", "a.reg")[0])  # every location now stored
        pathlib.Path(self.dir, "b.reg").write_text(exported.replace(
            '"NoFind"=dword:00000001', '"NoFind"=dword:00000000'), "utf-16-le", newline="")
        change = EXPLORER.replace("HKCU", "HKEY_CURRENT_USER") + r"\NoFind: 1 -> 0"
        self.assertEqual((0, ["Dry run: nothing is written.", change], []),
                         self.run_exe("--import", "b.reg", "--dry-run"))
        self.assertEqual((0, [change, "Most settings take effect at the next logon."], []),
                         self.run_exe("--import", "b.reg"))
        self.assertEqual(("REG_DWORD", "0x0"), self.reg_query(EXPLORER, "NoFind"))
        self.assertEqual((0, ["Nothing changed."], []), self.run_exe("--import", "b.reg"))
        imported = self.file("b.reg")
        self.assertEqual(0, self.run_exe("--export", "b.reg")[0])  # replacing the file
        self.assertEqual(imported, self.file("b.reg"))
        self.assertEqual([], [n for n in os.listdir(self.dir) if n.endswith(".tmp")])

        status, out, err = self.run_exe("--export")
        self.assertEqual((2, [], "Usage: quillmar"), (status, out, err[0][:15]))
