"""First start, the agreement's three answers and later starts, on the real exe."""

from harness import PROGRAM_KEY, Scenario


class StartUp(Scenario):
    def first_start(self):
        self.wine.start()
        self.wine.find("Yes")
        # The marker is written while the agreement is still open.
        self.assertEqual(("REG_SZ", "First"), self.wine.reg_query(PROGRAM_KEY, "FirstTime"))

    def test_yes_opens_the_tweak_window_and_later_starts_skip_the_agreement(self):
        self.first_start()
        self.press("Yes")
        self.wait_active()
        self.press("Close")
        self.assertTrue(self.wine.exited())
        self.wine.start()
        window = self.wait_active()
        self.assertFalse(any(c["text"] == "Yes" for c in window))
        self.assertEqual(("REG_SZ", "First"), self.wine.reg_query(PROGRAM_KEY, "FirstTime"))

    def test_no_ends_the_program_and_the_agreement_returns(self):
        self.first_start()
        self.press("No")
        self.assertTrue(self.wine.exited())
        self.assertEqual(("REG_SZ", ""), self.wine.reg_query(PROGRAM_KEY, "FirstTime"))
        self.first_start()

    def test_closing_the_agreement_keeps_the_marker(self):
        self.first_start()
        self.wine.xdotool("key", "alt+F4")
        self.assertTrue(self.wine.exited())
        self.assertEqual(("REG_SZ", "First"), self.wine.reg_query(PROGRAM_KEY, "FirstTime"))
        self.wine.start()
        self.wait_active()

