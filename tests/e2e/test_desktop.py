"""The Desktop + Special page on the real exe: the user-profile guard with and without user
profiles, and the icon size through the slider and the text box."""

import unittest

from harness import MESSAGE_TITLE, TweakScenario

LOGON_KEY = r"HKLM\Network\Logon"
METRICS_KEY = r"HKCU\Control Panel\Desktop\WindowMetrics"
CANCEL_BOX = "Disable Cancel button on the Windows 9x login box."
PROFILE_MESSAGE = "At least one user profile must be created (in Control panel --> User profiles page)!"


class Desktop(TweakScenario):
    def size_box(self):
        window = self.wine.wait_window("Quillmar", "Apply")
        return next(c for c in window if c["class"] == "Edit" and c["visible"])

    def slider(self):
        window = self.wine.wait_window("Quillmar", "Apply")
        return next(c for c in window if c["class"] == "msctls_trackbar32")

    def check_cancel_box(self, profiles, state, message):
        if profiles is not None:
            self.wine.reg_add(LOGON_KEY, "UserProfiles", "REG_DWORD", profiles)
        self.open_tweak()
        self.show_tab(1)
        self.press(CANCEL_BOX)
        if message:
            self.answer_message(PROFILE_MESSAGE)
        self.wait_check(CANCEL_BOX, state)
        self.assertFalse(self.tops(MESSAGE_TITLE))
        self.press("Apply")
        self.wait_reg(LOGON_KEY, "MustBeValidated", ("REG_DWORD", hex(state)))

    def test_cancel_box_is_refused_without_user_profiles(self):
        self.check_cancel_box(None, 0, True)

    def test_cancel_box_stays_checked_with_user_profiles(self):
        self.check_cancel_box("1", 1, False)

    def test_slider_click_rewrites_the_size_and_apply_stores_it_as_text(self):
        self.open_tweak()
        self.show_tab(1)
        self.assertEqual(32, self.slider()["pos"])
        x, y, w, h = self.slider()["rect"]
        # A click on the channel right of the thumb pages the slider up.
        self.wine.click_at(x + w - 12, y + h // 2)
        self.wine.wait_for(lambda: self.slider()["pos"] > 32, "the slider to move")
        pos = self.slider()["pos"]
        self.assertEqual(str(pos), self.size_box()["text"])
        self.press("Apply")
        self.wait_reg(METRICS_KEY, "Shell Icon Size", ("REG_SZ", str(pos)))

    def test_invalid_size_is_refused_and_the_focus_returns(self):
        self.open_tweak()
        self.show_tab(1)
        self.wine.click(self.size_box())
        self.wine.key("ctrl+a", "BackSpace")
        self.wine.type_text("abc")
        self.press("Hide all items on the desktop.")
        self.answer_message("Size must be a number (0 - 100).")
        box = self.wine.wait_for(lambda: (b := self.size_box())["focus"] and b,
                                 "the focus back in the size box")
        self.assertEqual("abc", box["text"])
        self.assertEqual(32, self.slider()["pos"])


if __name__ == "__main__":
    unittest.main()
