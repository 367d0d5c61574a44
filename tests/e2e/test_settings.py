"""The real exe against a registry none of us wrote: values seeded with Wine's reg.exe in every
stored form are loaded into the controls, and Apply writes them back as reg.exe then shows."""

import unittest

from harness import Scenario

EXPLORER = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer"
METRICS = r"HKCU\Control Panel\Desktop\WindowMetrics"
USER_INFO = r"HKCU\Software\Microsoft\MS Setup (ACME)\User Info"
VERSION = r"HKLM\Software\Microsoft\Windows\CurrentVersion"
TYPED = r"HKCU\Software\Microsoft\Internet Explorer\TypedURLs"
PROGRAM = r"HKCU\Software\Quillmar"

# key, value, seeded type and data, control caption, state loaded, (type, data) after Apply
CHECKS = [
    (EXPLORER, "NoFind", "REG_SZ", "1", " Find", 0, ("REG_DWORD", "0x1")),
    (EXPLORER, "NoRun", "REG_DWORD", "1", " Run...", 0, ("REG_DWORD", "0x1")),
    (EXPLORER, "NoClose", "REG_BINARY", "01000000", " Shut down...", 1, ("REG_DWORD", "0x0")),
    (EXPLORER, "NoSMHelp", "REG_SZ", "yes", " Help", 1, ("REG_DWORD", "0x0")),
    (EXPLORER, "NoDesktop", "REG_SZ", "1", "Hide all items on the desktop.", 1,
     ("REG_DWORD", "0x1")),
    (EXPLORER, "NoViewContextMenu", "REG_DWORD", "0",
     "Disable the ability to right click on the desktop.", 0, ("REG_DWORD", "0x0")),
    (EXPLORER, "NoSaveSettings", "REG_EXPAND_SZ", "1",
     "Don't save the desktop konfiguration at exit.", 0, ("REG_DWORD", "0x0")),
]


class Settings(Scenario):
    def test_load_then_apply_round_trips_every_stored_form(self):
        w = self.wine
        w.reg_add(PROGRAM, "FirstTime", "REG_SZ", "First")
        w.reg_add(PROGRAM, "LogOffBox", "REG_SZ", "NoPromptNoLogOff")
        for key, name, kind, data, _, _, _ in CHECKS:
            w.reg_add(key, name, kind, data)
        w.reg_add(METRICS, "Shell Icon Size", "REG_DWORD", "48")
        w.reg_add(USER_INFO, "DefName", "REG_SZ", "Ann Example")
        w.reg_add(VERSION, "RegisteredOrganization", "REG_SZ", "Kept Org")
        for name, data in [("url1", "a.example"), ("url2", "12345"), ("url4", "after.gap")]:
            w.reg_add(TYPED, name, "REG_SZ", data)

        w.start()
        window = w.wait_window("Quillmar", "Apply")
        by_text = {c["text"]: c for c in window}
        for _, name, _, _, caption, state, _ in CHECKS:
            self.assertEqual(state, by_text[caption]["check"], name)
        self.assertIn("48", by_text)
        slider = next(c for c in window if c["class"] == "msctls_trackbar32")
        self.assertEqual(48, slider["pos"])
        self.assertIn("Ann Example", by_text)
        urls = next(c for c in window if c["class"] == "ListBox")
        self.assertEqual(["a.example", "12345"], urls["items"])

        w.click(w.control("Quillmar", "Apply"))
        w.wait_for(lambda: w.reg_query(EXPLORER, "NoFavoritesMenu"), "Apply's writes")
        for key, name, _, _, _, _, stored in CHECKS:
            self.assertEqual(stored, w.reg_query(key, name), name)
        self.assertEqual(("REG_DWORD", "0x0"), w.reg_query(EXPLORER, "ClearRecentDocsOnExit"))
        self.assertEqual(("REG_SZ", "48"), w.reg_query(METRICS, "Shell Icon Size"))
        self.assertEqual(("REG_SZ", "Ann Example"), w.reg_query(VERSION, "RegisteredOwner"))
        # An empty company box never replaces the machine-wide organisation.
        self.assertEqual(("REG_SZ", "Kept Org"), w.reg_query(VERSION, "RegisteredOrganization"))
        self.assertEqual(("REG_SZ", ""), w.reg_query(USER_INFO, "DefCompany"))
        for name, stored in [("url1", "a.example"), ("url2", "12345"), ("url4", "after.gap")]:
            self.assertEqual(("REG_SZ", stored), w.reg_query(TYPED, name), name)
        self.assertIsNone(w.reg_query(TYPED, "url3"))
        self.assertEqual(("REG_SZ", "NoPromptNoLogOff"), w.reg_query(PROGRAM, "LogOffBox"))
        # The window stays open after Apply, and no prompt came.
        self.assertEqual(["Quillmar"], list(w.windows()))


if __name__ == "__main__":
    unittest.main()
