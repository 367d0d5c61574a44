"""The agreement's three answers and later starts; the log-off prompt's Cancel and Log off now."""

from harness import PROGRAM_KEY, Scenario


class StartUp(Scenario):
    def first_start(self):
        self.start()
        self.find("Yes")
        # The marker is written while the agreement is still open.
        self.assertEqual(("REG_SZ", "First"), self.reg_query(PROGRAM_KEY, "FirstTime"))

    def test_no_ends_the_program_the_close_box_keeps_the_marker_and_yes_opens_the_tweaks(self):
        self.first_start()
        self.press("No")
        self.assertTrue(self.exited())
        self.assertEqual(("REG_SZ", ""), self.reg_query(PROGRAM_KEY, "FirstTime"))
        self.first_start()
        self.xdotool("key", "alt+F4")
        self.assertTrue(self.exited())
        self.start()  # so later starts skip the agreement
        self.assertFalse(any(c["text"] == "Yes" for c in self.wait_active()))
        self.press("Close")
        self.assertTrue(self.exited())
        self.reg_add(PROGRAM_KEY, "FirstTime", "REG_SZ", "")
        self.first_start()
        self.press("Yes")
        self.wait_active()
        self.assertEqual(("REG_SZ", "First"), self.reg_query(PROGRAM_KEY, "FirstTime"))


AUTO_LOGOFF = "Don' t prompt me next time and Log off automatically."


class LogOff(Scenario):
    logoff_box = "Prompt"

    def open_prompt(self):
        self.open_tweak()
        self.press("Apply")
        prompt = self.wait_for(lambda: next(
            (w for w in self.tops() if any(c["text"] == "Log off now" for c in w)), None), "prompt")
        return {c["text"]: c for c in prompt}

    def test_cancel_keeps_the_choice_for_later_applies(self):
        prompt = self.open_prompt()
        self.assertEqual(1, prompt["Prompt me next time."]["check"])
        self.click(prompt[AUTO_LOGOFF])
        self.click(prompt["Cancel"])
        self.wait_reg(PROGRAM_KEY, "LogOffBox", ("REG_SZ", "NoPromptLogOff"))
        self.wait_for(lambda: len(self.tops()) == 1, "the prompt to close")
        self.wait_active()
        self.show_tab(3)
        self.wait_check(AUTO_LOGOFF, 1)
        self.assertFalse(self.exited(timeout=1))
        self.press("Apply")
        self.assertTrue(self.exited(timeout=30))

    def test_log_off_now_ends_the_session(self):
        self.click(self.open_prompt()["Log off now"])
        self.assertTrue(self.exited(timeout=30))
        self.assertEqual(("REG_SZ", "Prompt"), self.reg_query(PROGRAM_KEY, "LogOffBox"))
