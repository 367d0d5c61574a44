"""The log-off prompt on the real exe: Apply opens it unless told not to, "Cancel" keeps the
chosen option in the registry and on the Help page, "Log off now" ends the session."""

import unittest

from harness import PROGRAM_KEY, TweakScenario

AUTO_LOGOFF = "Don' t prompt me next time and Log off automatically."


class LogOff(TweakScenario):
    def open_prompt(self):
        self.open_tweak()
        self.press("Apply")
        return self.wine.wait_for(lambda: next(
            (w for w in self.tops("Quillmar") if any(c["text"] == "Log off now" for c in w)),
            None), "the log-off prompt")

    def test_cancel_keeps_the_choice_for_later_applies(self):
        for box in [None, "Prompt"]:  # a missing value prompts as "Prompt" does
            with self.subTest(LogOffBox=box):
                self.logoff_box = box
                if box is not None:
                    self.wine.close()
                    self.wine = type(self.wine)(self.windows_version)
                    self.addCleanup(self.wine.close)
                prompt = self.open_prompt()
                self.assertEqual(1, next(c for c in prompt
                                         if c["text"] == "Prompt me next time.")["check"])
                self.wine.click(next(c for c in prompt if c["text"] == AUTO_LOGOFF))
                self.wine.click(next(c for c in prompt if c["text"] == "Cancel"))
                self.wait_reg(PROGRAM_KEY, "LogOffBox", ("REG_SZ", "NoPromptLogOff"))
                self.wine.wait_for(lambda: len(self.tops("Quillmar")) == 1, "the prompt to close")
                self.wait_active()
                self.show_tab(3)
                self.wait_check(AUTO_LOGOFF, 1)
                self.assertFalse(self.wine.exited(timeout=1))
                # The choice acts from the next Apply on: no prompt, straight to the log-off.
                self.press("Apply")
                self.assertTrue(self.wine.exited(timeout=30))

    def test_log_off_now_ends_the_session(self):
        self.logoff_box = "Prompt"
        prompt = self.open_prompt()
        self.wine.click(next(c for c in prompt if c["text"] == "Log off now"))
        self.assertTrue(self.wine.exited(timeout=30))
        self.assertEqual(("REG_SZ", "Prompt"), self.wine.reg_query(PROGRAM_KEY, "LogOffBox"))


if __name__ == "__main__":
    unittest.main()
