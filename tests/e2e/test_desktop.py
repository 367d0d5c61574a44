"""The Desktop + Special page on the real exe: the user-profile message, and the icon size
through a real slider and a real text box, including the focus-lost check."""

from harness import MESSAGE_TITLE, Scenario

SIZE_MESSAGE = "Size must be a number (0 - 100)."
HIDE_BOX = "Hide all items on the desktop."


class Desktop(Scenario):
    def test_cancel_box_is_refused_without_user_profiles(self):
        self.open_tweak()
        self.show_tab(1)
        box = "Disable Cancel button on the Windows 9x login box."
        self.press(box)
        self.answer_message(
            "At least one user profile must be created (in Control panel --> User profiles page)!")
        self.wait_check(box, 0)
        self.press("Apply")
        self.wait_reg(r"HKLM\Network\Logon", "MustBeValidated", ("REG_DWORD", "0x0"))

    def test_slider_click_rewrites_the_size_and_apply_stores_it_as_text(self):
        self.open_tweak()
        self.show_tab(1)
        (slider,) = self.visible("msctls_trackbar32")
        self.assertEqual(32, slider["pos"])
        x, y, w, h = slider["rect"]
        # A click on the channel right of the thumb pages the slider up.
        self.wine.click_at(x + w - 12, y + h // 2)
        pos = self.wine.wait_for(lambda: self.visible("msctls_trackbar32")[0]["pos"] - 32, "a move")
        self.assertEqual(str(32 + pos), self.visible("Edit")[0]["text"])
        self.press("Apply")
        self.wait_reg(r"HKCU\Control Panel\Desktop\WindowMetrics", "Shell Icon Size",
                      ("REG_SZ", str(32 + pos)))

    def test_an_invalid_size_cancels_the_click_that_left_it_and_the_focus_returns(self):
        self.open_tweak()
        self.show_tab(1)
        self.wine.click(self.visible("Edit")[0])
        self.wine.xdotool("key", "ctrl+a", "BackSpace")
        self.wine.xdotool("type", "--delay", 30, "abc")
        self.press(HIDE_BOX)
        self.answer_message(SIZE_MESSAGE)
        box = self.wine.wait_for(lambda: (b := self.visible("Edit")[0])["focus"] and b,
                                 "the focus back in the size box")
        self.assertEqual("abc", box["text"])
        self.assertEqual(0, self.check_state(HIDE_BOX))
        self.assertEqual(32, self.visible("msctls_trackbar32")[0]["pos"])
        self.assertFalse(self.wine.tops(MESSAGE_TITLE))

