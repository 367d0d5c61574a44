"""What only real windows show: clicks, focus, the registry, message boxes, log-off, 9x mode."""

from harness import Scenario


class StartUp(Scenario):
    def test_agreement_yes_then_a_cancelled_prompt_whose_choice_the_next_apply_uses(self):
        self.start()
        self.click(self.find("Yes"))
        self.wait_active()
        self.xdotool("key", "alt+F4")
        self.app.wait(15)
        self.start()  # so later starts skip the agreement
        self.assertFalse(any(c["text"] == "Yes" for c in self.wait_active()))
        self.click(self.find("Apply"))  # no log-off choice stored yet: the prompt
        self.click(self.find("Don' t prompt me next time and Log off automatically."))
        self.click(self.find("Cancel"))
        self.wait_active()
        self.click(self.find("Apply"))
        self.app.wait(30)


class Tweak(Scenario):
    def test_slider_click_stored_as_text_and_an_invalid_size_refusing_a_click(self):
        self.open_tweak()
        self.show_tab(1)
        slider = self.visible("msctls_trackbar32")
        self.click(slider, dx=slider["rect"][2] - 12)  # on the channel right of the thumb: page up
        size = self.wait_for(lambda: (p := self.visible("msctls_trackbar32")["state"])
                             != slider["state"] and str(p), "a move")
        self.click(self.find("Apply"))
        self.wait_for(lambda: self.reg_query(r"HKCU\Control Panel\Desktop\WindowMetrics",
                                             "Shell Icon Size") == ("REG_SZ", size), "the size")
        self.click(self.visible("Edit"))  # an invalid size cancels the click that left it
        self.xdotool("key", "ctrl+a", "BackSpace")
        self.xdotool("type", "--delay", 30, "abc")
        self.click(self.find("Hide all items on the desktop."))
        message = self.wait_for(lambda: self.tops("Quillmar 1.0"), "the message")[0]  # no icon
        self.assertEqual([("Static", "", 0), ("Button", "OK", 0),
                          ("Static", "Size must be a number (0 - 100).", 0)],
                         [(c["class"], c["text"], c["state"]) for c in message[1:] if c["visible"]])
        self.xdotool("key", "Return")
        box = self.wait_for(lambda: (b := self.visible("Edit"))["focus"] and b, "the focus back")
        self.assertEqual("abc", box["text"])
        self.assertEqual(0, self.find("Hide all items on the desktop.")["state"])


class Win98(Scenario):
    windows_version = "win98"

    def test_help_and_my_documents_are_disabled(self):
        self.open_tweak()
        for caption, enabled in [(" Help", 0), ("My documents", 0), (" Find", 1)]:
            self.assertEqual(enabled, self.find(caption)["enabled"], caption)
