"""The tweak window on the real exe: message boxes, the real focus and slider, the 9x mode."""

from harness import EXPLORER_KEY, MESSAGE_TITLE, Scenario


class Tweak(Scenario):
    def test_active_desktop_refused_while_disabled_and_an_invalid_size_refusing_a_click(self):
        self.reg_add(EXPLORER_KEY, "NoSetActiveDesktop", "REG_DWORD", "1")
        self.open_tweak()
        self.wait_check("Active Desktop", 0)
        self.show_tab(1)
        self.press("Disable the Active Desktop feature.")
        self.wait_check("Disable the Active Desktop feature.", 1)
        self.show_tab(0)
        self.press("Active Desktop")
        self.answer_message("Active Desktop feature must be enabled (in Desktop + Special tab)!")
        self.assertEqual(0, self.find("Active Desktop")["check"])
        self.show_tab(1)  # an invalid size cancels the click that left it; the focus returns
        self.click(self.visible("Edit")[0])
        self.xdotool("key", "ctrl+a", "BackSpace")
        self.xdotool("type", "--delay", 30, "abc")
        self.press("Hide all items on the desktop.")
        self.answer_message("Size must be a number (0 - 100).")
        box = self.wait_for(lambda: (b := self.visible("Edit")[0])["focus"] and b, "the focus back")
        self.assertEqual("abc", box["text"])
        self.assertEqual(0, self.find("Hide all items on the desktop.")["check"])
        self.assertEqual(32, self.visible("msctls_trackbar32")[0]["pos"])
        self.assertFalse(self.tops(MESSAGE_TITLE))

    def test_slider_click_rewrites_the_size_and_apply_stores_it_as_text(self):
        self.open_tweak()
        self.show_tab(1)
        (slider,) = self.visible("msctls_trackbar32")
        self.assertEqual(32, slider["pos"])
        self.click(slider, dx=slider["rect"][2] - 12)  # on the channel right of the thumb: page up
        size = str(self.wait_for(lambda: self.visible("msctls_trackbar32")[0]["pos"] - 32, "a move")
                   + 32)
        self.assertEqual(size, self.visible("Edit")[0]["text"])
        self.press("Apply")
        self.wait_reg(r"HKCU\Control Panel\Desktop\WindowMetrics", "Shell Icon Size",
                      ("REG_SZ", size))


class Win98(Scenario):
    windows_version = "win98"

    def test_help_and_my_documents_are_disabled(self):
        self.open_tweak()
        for caption, enabled in [(" Help", 0), ("My documents", 0), (" Find", 1)]:
            self.assertEqual(enabled, self.find(caption)["enabled"], caption)
