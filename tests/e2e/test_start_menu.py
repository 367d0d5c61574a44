"""The Start Menu page on the real exe: unchecked items written as removed, checked ones as shown,
and the Active Desktop message; and on Windows 98, the items out of the user's reach."""

from harness import EXPLORER_KEY, Scenario

ON = ("REG_DWORD", "0x1")
OFF = ("REG_DWORD", "0x0")


class StartMenu(Scenario):
    def test_unchecked_items_are_removed_and_the_rest_shown(self):
        self.open_tweak()
        # Boxes whose unchecking leaves their group parent checked, so no other box moves.
        removed = {" Find": "NoFind", "Taskbar": "NoSetTaskbar",
                   "Recent documens": "ClearRecentDocsOnExit"}
        for caption in removed:
            self.press(caption)
            self.wait_check(caption, 0)
        self.press("Apply")
        self.wait_reg(EXPLORER_KEY, "NoWindowsUpdate", OFF)
        for name in removed.values():
            self.assertEqual(ON, self.wine.reg_query(EXPLORER_KEY, name), name)
        for name in ["NoRun", "NoSetFolders", "NoSMMyDocs"]:
            self.assertEqual(OFF, self.wine.reg_query(EXPLORER_KEY, name), name)

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



class Win98(Scenario):
    windows_version = "win98"

    def test_help_and_my_documents_are_disabled(self):
        self.open_tweak()
        for caption, enabled in [(" Help", 0), ("My documents", 0), (" Find", 1)]:
            self.assertEqual(enabled, self.wine.find(caption)["enabled"], caption)
