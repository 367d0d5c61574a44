"""The Start Menu page on the real exe: its boxes, Select all and Deselect all, and the Active
Desktop guard, each read back through reg.exe after Apply."""

import unittest

from harness import EXPLORER_KEY, TweakScenario

# Caption and the restriction value that removes the item, in the order Apply writes them.
ITEMS = [
    (" Favorites", "NoFavoritesMenu"),
    (" Documents", "NoRecentDocsMenu"),
    (" Find", "NoFind"),
    (" Help", "NoSMHelp"),
    (" Run...", "NoRun"),
    (" Log off...", "NoLogOff"),
    (" Shut down...", "NoClose"),
    ("My documents", "NoSMMyDocs"),
    ("Recent documens", "NoRecentDocsHistory"),
    ("Control panel + Printers", "NoSetFolders"),
    ("Taskbar", "NoSetTaskbar"),
    ("Folder options...", "NoFolderOptions"),
    ("Active Desktop", "NoSetActiveDesktop"),
    ("Windows Update...", "NoWindowsUpdate"),
]

ON = ("REG_DWORD", "0x1")
OFF = ("REG_DWORD", "0x0")


class StartMenu(TweakScenario):
    def assert_removed(self, removed):
        """Every item's value after Apply: 1 for the removed ones, 0 for the rest."""
        for caption, value in ITEMS:
            expected = ON if caption in removed else OFF
            self.assertEqual(expected, self.wine.reg_query(EXPLORER_KEY, value), caption)
        recent = ON if "Recent documens" in removed else OFF
        self.assertEqual(recent, self.wine.reg_query(EXPLORER_KEY, "ClearRecentDocsOnExit"))

    def apply(self, witness, expected):
        self.press("Apply")
        self.wait_reg(EXPLORER_KEY, witness, expected)

    def test_unchecked_items_are_removed_and_the_rest_shown(self):
        self.open_tweak()
        # Boxes whose unchecking leaves their group parent checked, so no other box moves.
        removed = [" Favorites", " Find", " Run...", " Shut down...", "Taskbar", "Recent documens"]
        for caption in removed:
            self.press(caption)
            self.wait_check(caption, 0)
        for caption, _ in ITEMS:
            self.assertEqual(0 if caption in removed else 1, self.check_state(caption), caption)
        self.apply("NoWindowsUpdate", OFF)
        self.assert_removed(removed)

    def test_select_all_then_deselect_all(self):
        for value in ["NoFind", "NoSetTaskbar", "NoSMMyDocs", "NoRecentDocsHistory"]:
            self.wine.reg_add(EXPLORER_KEY, value, "REG_DWORD", "1")
        self.open_tweak()
        self.wait_check(" Find", 0)
        self.press("Select all")
        self.wait_check("Recent documens", 1)
        for caption in [c for c, _ in ITEMS] + [" Settings"]:
            self.assertEqual(1, self.check_state(caption), caption)
        self.apply("NoFind", OFF)
        self.assert_removed([])

        self.press("Deselect all")
        self.wait_check("Recent documens", 0)
        for caption in [c for c, _ in ITEMS] + [" Settings"]:
            self.assertEqual(0, self.check_state(caption), caption)
        self.apply("NoFind", ON)
        self.assert_removed([c for c, _ in ITEMS])

    def test_active_desktop_is_refused_while_the_feature_is_disabled(self):
        self.wine.reg_add(EXPLORER_KEY, "NoSetActiveDesktop", "REG_DWORD", "1")
        self.open_tweak()
        self.wait_check("Active Desktop", 0)
        self.show_tab(1)
        self.press("Disable the Active Desktop feature.")
        self.wait_check("Disable the Active Desktop feature.", 1)
        self.show_tab(0)
        self.press("Active Desktop")
        self.answer_message("Active Desktop feature must be enabled (in Desktop + Special tab)!")
        self.assertEqual(0, self.check_state("Active Desktop"))
        # The other Settings children are still shown, so the parent stays checked.
        self.assertEqual(1, self.check_state(" Settings"))


if __name__ == "__main__":
    unittest.main()
