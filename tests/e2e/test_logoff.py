"""The log-off prompt on the real exe: "Cancel" keeps the chosen option in the registry and on the
Help page, so the next Apply logs off at once; "Log off now" ends the session."""

from harness import PROGRAM_KEY, Scenario

AUTO_LOGOFF = "Don' t prompt me next time and Log off automatically."


class LogOff(Scenario):
    logoff_box = "Prompt"

    def open_prompt(self):
        self.open_tweak()
        self.press("Apply")
        return self.wine.wait_for(lambda: next(
            (w for w in self.wine.tops() if any(c["text"] == "Log off now" for c in w)), None),
            "the log-off prompt")

    def test_cancel_keeps_the_choice_for_later_applies(self):
        prompt = {c["text"]: c for c in self.open_prompt()}
        self.assertEqual(1, prompt["Prompt me next time."]["check"])
        self.wine.click(prompt[AUTO_LOGOFF])
        self.wine.click(prompt["Cancel"])
        self.wait_reg(PROGRAM_KEY, "LogOffBox", ("REG_SZ", "NoPromptLogOff"))
        self.wine.wait_for(lambda: len(self.wine.tops()) == 1, "the prompt to close")
        self.wait_active()
        self.show_tab(3)
        self.wait_check(AUTO_LOGOFF, 1)
        self.assertFalse(self.wine.exited(timeout=1))
        self.press("Apply")
        self.assertTrue(self.wine.exited(timeout=30))

    def test_log_off_now_ends_the_session(self):
        prompt = {c["text"]: c for c in self.open_prompt()}
        self.wine.click(prompt["Log off now"])
        self.assertTrue(self.wine.exited(timeout=30))
        self.assertEqual(("REG_SZ", "Prompt"), self.wine.reg_query(PROGRAM_KEY, "LogOffBox"))

