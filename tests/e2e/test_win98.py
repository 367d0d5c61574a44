"""The 9x platform on the real exe: Wine reports Windows 98, so the Help item and My documents are
out of the user's reach and the Documents group follows its 9x rule."""

import unittest

from harness import TweakScenario


class Win98(TweakScenario):
    windows_version = "win98"

    def test_help_and_my_documents_are_disabled(self):
        self.open_tweak()
        for caption in [" Help", "My documents"]:
            self.assertEqual(0, self.find(caption)["enabled"], caption)
        for caption in [" Find", "Recent documens"]:
            self.assertEqual(1, self.find(caption)["enabled"], caption)

    def test_documents_drives_its_children(self):
        self.open_tweak()
        # (state the click leaves " Documents" in, then My documents, Recent documens)
        steps = [(0, 0, 0), (1, 2, 0)]
        for documents, mine, recent in steps:
            with self.subTest(documents=documents):
                self.press(" Documents")
                self.wait_check(" Documents", documents)
                self.assertEqual(mine, self.check_state("My documents"))
                self.assertEqual(recent, self.check_state("Recent documens"))
                self.assertEqual(0, self.find("My documents")["enabled"])


if __name__ == "__main__":
    unittest.main()
