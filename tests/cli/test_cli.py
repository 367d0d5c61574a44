"""The real quillmar.exe with options under Wine: files, redirected output, exit statuses."""

import json
import os
import pathlib
import re
import subprocess
import xml.etree.ElementTree as ET

from harness import EXE, Scenario

EXPLORER = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer"
USER_INFO = r"HKCU\Software\Microsoft\MS Setup (ACME)\User Info"
ITEMS, ITEM = "{A3CCFC41-DFDB-43a5-8D26-0FE8B954DA51}", "{9CD4B2F4-923D-47f5-A062-E897DD1DAD50}"


def quoted(text):  # a name or a text as a .reg file writes it
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def reg_values(text):  # each value of a .reg file as (key, line), in the file's order
    key, values = None, []
    for line in text.split("\r\n")[1:]:
        if line.startswith("["):
            key = line[1:-1]
        elif line:
            values.append((key, line))
    return values


def item_values(root):  # each preference item's value the same way
    values = []
    for p in root.iter("Properties"):
        name = "@" if p.get("default") == "1" else quoted(p.get("name"))
        data = ("-" if p.get("action") == "D" else "dword:" + p.get("value").lower()
                if p.get("type") == "REG_DWORD" else quoted(p.get("value")))
        values.append((p.get("hive") + "\\" + p.get("key"), f"{name}={data}"))
    return values


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
        self.assertEqual(0, self.run_exe("--import", "a.reg")[0])  # every location now stored
        pathlib.Path(self.dir, "b.reg").write_text(exported.replace(
            '"NoFind"=dword:00000001', '"NoFind"=dword:00000000'), "utf-16-le", newline="")
        change = EXPLORER.replace("HKCU", "HKEY_CURRENT_USER") + r"\NoFind: 1 -> 0"
        self.assertEqual((0, ["Dry run: nothing is written.", change], []),
                         self.run_exe("--import", "b.reg", "--dry-run"))
        self.assertEqual((0, [change, "Most settings take effect at the next logon."], []),
                         self.run_exe("--import", "b.reg"))
        self.assertEqual((0, ["Nothing changed."], []), self.run_exe("--import", "b.reg"))
        imported = self.file("b.reg")
        self.assertEqual(0, self.run_exe("--export", "b.reg")[0])  # replacing the file
        self.assertEqual(imported, self.file("b.reg"))
        self.assertEqual([], [n for n in os.listdir(self.dir) if n.endswith(".tmp")])

        status, out, err = self.run_exe("--export")
        self.assertEqual((2, [], "Usage: quillmar"), (status, out, err[0][:15]))

    def test_preference_items_hold_the_values_of_the_reg_export(self):
        self.reg_add(EXPLORER, "NoFind", "REG_DWORD", "1")
        self.reg_add(USER_INFO, "DefName", "REG_SZ", 'Ann & "Bo" <b>\té')  # escaped, in UTF-8
        self.reg_add(r"HKCR\.bmp", "", "REG_SZ", "Paint.Picture")  # default values, thumbnails on
        self.reg_add(r"HKCR\Paint.Picture\DefaultIcon", "", "REG_SZ", "%1")
        for name in ("a.reg", "a.xml"):
            self.assertEqual(0, self.run_exe("--export", name)[0])
        root = ET.parse(os.path.join(self.dir, "a.xml")).getroot()
        self.assertEqual(("RegistrySettings", ITEMS), (root.tag, root.get("clsid")))
        self.assertEqual({("Registry", ITEM)}, {(item.tag, item.get("clsid")) for item in root})
        self.assertEqual(reg_values(self.file("a.reg")), item_values(root))

    def test_preference_items_differ_only_in_their_time(self):  # each uid from its location
        texts = []
        for name in ("a.xml", "b.XML"):
            self.assertEqual(0, self.run_exe("--export", name)[0])
            texts.append(re.subn(r' changed="\d{4}-\d\d-\d\d \d\d:\d\d:\d\d"', "",
                                 self.file(name, "utf-8")))
        self.assertEqual(texts[0], texts[1])  # the same text, and as many items stamped
        self.assertEqual(texts[0][1], len(set(re.findall(r' uid="([^"]*)"', texts[0][0]))))

    def test_a_machine_wide_value_in_force_over_the_users(self):
        machine = EXPLORER.replace("HKCU", "HKLM")
        self.reg_add(machine, "NoRun", "REG_DWORD", "1")
        self.reg_add(EXPLORER, "NoRun", "REG_DWORD", "0")
        self.run_exe("--export", "a.reg")  # the user's 0
        override = machine.replace("HKLM", "HKEY_LOCAL_MACHINE") + (
            r"\NoRun: 1, machine-wide, stays in force over 0")
        self.assertIn(override, self.run_exe("--import", "a.reg")[1])
        self.assertIn("Run...: stored 0; machine-wide 1; in force: hidden",
                      self.run_exe("--status")[1])
        settings = json.loads("\n".join(self.run_exe("--status", "--json")[1]))["settings"]
        self.assertIn({"caption": "Run...", "stored": 0, "machine_wide": 1, "in_force": "hidden",
                       "apply_would_change": False}, settings)
        self.assertEqual((3, [override], []), self.run_exe("--check", "a.reg"))
        pathlib.Path(self.dir, "b.reg").write_text(self.file("a.reg").replace(
            '"NoRun"=dword:00000000', '"NoRun"=dword:00000001'), "utf-16-le", newline="")
        self.assertEqual(0, self.run_exe("--import", "b.reg")[0])
        self.assertEqual((0, ["Nothing would change."], []), self.run_exe("--check", "b.reg"))
