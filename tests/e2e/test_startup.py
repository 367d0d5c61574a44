"""First start, the agreement's three answers, later starts, and the tab strip, on the real exe."""

import unittest

from harness import Scenario

PROGRAM_KEY = r"HKCU\Software\Quillmar"


class StartUp(Scenario):
    def first_start(self):
        self.wine.start()
        self.wine.wait_window("Quillmar", "Yes")
        # The marker is written while the agreement is still open.
        self.assertEqual(("REG_SZ", "First"), self.wine.reg_query(PROGRAM_KEY, "FirstTime"))

    def test_yes_opens_the_tweak_window_and_later_starts_skip_the_agreement(self):
        self.first_start()
        self.wine.screenshot("agreement")
        self.wine.click(self.wine.control("Quillmar", "Yes"))
        self.wine.wait_window("Quillmar", "Apply")
        self.wine.click(self.wine.control("Quillmar", "Close"))
        self.assertTrue(self.wine.exited())

        self.wine.start()
        window = self.wine.wait_window("Quillmar", "Apply")
        self.assertFalse(any(c["text"] == "Yes" for c in window))
        self.assertEqual(("REG_SZ", "First"), self.wine.reg_query(PROGRAM_KEY, "FirstTime"))

    def test_no_ends_the_program_and_the_agreement_returns(self):
        self.first_start()
        self.wine.click(self.wine.control("Quillmar", "No"))
        self.assertTrue(self.wine.exited())
        self.assertEqual(("REG_SZ", ""), self.wine.reg_query(PROGRAM_KEY, "FirstTime"))
        self.first_start()

    def test_closing_the_agreement_keeps_the_marker(self):
        self.first_start()
        self.wine.key("alt+F4")
        self.assertTrue(self.wine.exited())
        self.assertEqual(("REG_SZ", "First"), self.wine.reg_query(PROGRAM_KEY, "FirstTime"))
        self.wine.start()
        self.wine.wait_window("Quillmar", "Apply")


class Pages(Scenario):
    def test_each_tab_shows_its_page(self):
        self.wine.reg_add(PROGRAM_KEY, "FirstTime", "REG_SZ", "First")
        self.wine.start()
        # One control that only its own page holds, for each tab in order.
        marks = [" Favorites", "Hide all items on the desktop.", "Default name:",
                 "Prompt me next time whether Log off or not on Apply."]
        names = ["start-menu", "desktop-special", "other", "help"]
        for index in [1, 2, 3, 0, 3, 2, 1, 0]:
            tabs = self.wine.control("Quillmar", "", "SysTabControl32")
            x, y, w, h = tabs["tabs"][index]
            self.wine.click_at(x + w // 2, y + h // 2)
            window = self.wine.wait_window("Quillmar", "Apply")
            strip = next(c for c in window if c["class"] == "SysTabControl32")
            self.assertEqual(index, strip["tab"])
            seen = {c["text"] for c in window if c["visible"]}
            for page, mark in enumerate(marks):
                self.assertEqual(page == index, mark in seen, f"tab {index}, page {page}")
            self.wine.screenshot(names[index])


if __name__ == "__main__":
    unittest.main()
