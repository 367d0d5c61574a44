"""What only real windows show: clicks, focus, the registry, message boxes, log-off, 9x mode."""

import time

from harness import PROGRAM_KEY, Scenario

EXPLORER = r"Software\Microsoft\Windows\CurrentVersion\Policies\Explorer"


class Escape(Scenario):
    def test_esc_closes_the_prompt_as_its_close_box_does_whatever_option_is_chosen(self):
        self.open_tweak(log_off="Prompt")
        self.click(self.find("Apply"))
        prompt = self.wait_for(lambda: next((w for w in self.tops() if any(
            c["text"] == "Log off now" for c in w)), None), "the prompt")
        self.click(next(c for c in prompt if c["text"].endswith("Log off automatically.")))
        self.xdotool("key", "Escape")  # Cancel would store the choice
        self.wait_for(lambda: not any(c["text"] == "Log off now" for w in self.tops()
                                      for c in w), "the prompt to close")
        self.assertEqual(("REG_SZ", "Prompt"), self.reg_query(PROGRAM_KEY, "LogOffBox"))


class HeldEnter(Scenario):
    def test_a_held_enter_presses_apply_but_never_the_prompt_that_apply_opens(self):
        self.open_tweak(log_off="Prompt")
        self.xdotool("key", "shift+Tab", "shift+Tab", "shift+Tab")  # the tabs, Close, Apply
        self.xdotool("keydown", "Return")
        time.sleep(2)  # the key repeats meanwhile, with "Log off now" focused after the first
        self.xdotool("keyup", "Return")
        self.assertIsNone(self.app.poll(), "logged off by the key's repeat")
        self.find("Log off now")
        self.assertEqual(("REG_SZ", "Prompt"), self.reg_query(PROGRAM_KEY, "LogOffBox"))
        self.xdotool("key", "Return")  # a fresh press
        self.app.wait(30)


class Win98(Scenario):
    windows_version = "win98"

    def test_help_and_my_documents_are_disabled(self):
        self.open_tweak()
        for caption, enabled in [(" Help", 0), ("My documents", 0), (" Find", 1)]:
            self.assertEqual(enabled, self.find(caption)["enabled"], caption)


class Tweak(Scenario):
    def focused(self):
        return next(c for c in self.wait_active() if c["focus"])

    def tip(self, caption, line):  # the tip of the control once it shows that line
        box = self.find(caption)
        self.xdotool("mousemove", "--sync", box["rect"][0] + 20, box["rect"][1] + 5)
        return self.wait_for(lambda: next((w[0]["text"] for w in self.tops(None) if w[0]["class"]
                                           == "tooltips_class32" and line in w[0]["text"]), None),
                             f"the tip of {caption!r}")

    def test_a_tip_and_shortcuts_then_a_slider_click_and_an_invalid_size_refusing_a_click(self):
        self.reg_add("HKLM\\" + EXPLORER, "NoRun", "REG_DWORD", "1")  # over the user's own 0
        self.reg_add("HKCU\\" + EXPLORER, "NoRun", "REG_DWORD", "0")
        self.open_tweak()
        tip = self.tip(" Run...", "\r\nHKEY_LOCAL_MACHINE\\" + EXPLORER + "\\NoRun\r\n")
        self.assertTrue(tip.startswith(
            'In force for every user of this computer: 1, so "Run..." is hidden.\r\n'), tip)
        desktop, favorites = "Hide all items on the desktop.", " Favorites"
        for keys, page, focus in [("ctrl+Tab", 1, desktop), ("ctrl+shift+Tab", 0, favorites),
                                  ("ctrl+Prior", 3, "Don' t prompt me next time and don' t Log off."),
                                  ("ctrl+Next", 0, favorites), ("ctrl+Next", 1, desktop)]:
            self.xdotool("key", keys)
            self.wait_for(lambda: self.visible("SysTabControl32")["state"] == page, keys)
            self.assertEqual(focus, self.focused()["text"])
        self.click(self.visible("SysTabControl32"), dx=10, dy=8)  # the first tab's corner
        self.xdotool("key", "ctrl+Next")  # the tab strip keeps the focus
        self.wait_for(lambda: self.focused()["class"] == "SysTabControl32"
                      and self.visible("SysTabControl32")["state"] == 1, "page 2, tabs focused")
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
        self.xdotool("key", "ctrl+Tab")  # a page shortcut waits for the same check
        self.wait_for(lambda: self.tops("Quillmar 1.0"), "the message again")
        self.xdotool("key", "Return")
        self.wait_for(lambda: self.visible("Edit")["focus"], "the focus back again")
        self.assertEqual(1, self.visible("SysTabControl32")["state"])
