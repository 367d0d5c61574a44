"""The Other page on the real exe: name and company typed into real boxes, and a typed URL
deleted from a real list, each read back through reg.exe after Apply."""

from harness import Scenario

USER_INFO_KEY = r"HKCU\Software\Microsoft\MS Setup (ACME)\User Info"
VERSION_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion"
URL_KEY = r"HKCU\Software\Microsoft\Internet Explorer\TypedURLs"
URLS = ["http://first.example/", "http://second.example/a?b=c", "ftp://third.example/"]


class Other(Scenario):
    def test_name_and_company_are_written_for_the_user_and_the_machine(self):
        self.open_tweak()
        self.show_tab(2)
        for box, typed in zip(self.visible("Edit"), ["Jo Tester", "Fen & Daughters, Ltd."]):
            self.wine.click(box)
            self.wine.xdotool("key", "ctrl+a", "BackSpace")
            self.wine.xdotool("type", "--delay", 30, typed)
        self.press("Apply")
        self.wait_reg(USER_INFO_KEY, "DefName", ("REG_SZ", "Jo Tester"))
        self.assertEqual(("REG_SZ", "Fen & Daughters, Ltd."),
                         self.wine.reg_query(VERSION_KEY, "RegisteredOrganization"))

    def test_delete_then_apply_closes_the_gap(self):
        for n, url in enumerate(URLS, 1):
            self.wine.reg_add(URL_KEY, f"url{n}", "REG_SZ", url)
        self.open_tweak()
        self.show_tab(2)
        (url_list,) = self.visible("ListBox")
        self.assertEqual(URLS, url_list["items"])
        x, y, w, _ = url_list["rect"]
        # The probe gives no item rects: a click on the first row, then the arrow key.
        self.wine.click_at(x + w // 2, y + 8)
        self.wine.xdotool("key", "Down")
        self.wine.wait_for(lambda: self.visible("ListBox")[0]["sel"] == 1, "the second URL")
        self.press("Delete")
        self.wine.wait_for(lambda: self.visible("ListBox")[0]["items"] == [URLS[0], URLS[2]],
                           "the second URL gone from the list")
        self.press("Apply")
        self.wait_reg(URL_KEY, "url2", ("REG_SZ", URLS[2]))
        self.assertEqual(("REG_SZ", URLS[0]), self.wine.reg_query(URL_KEY, "url1"))
        self.assertIsNone(self.wine.reg_query(URL_KEY, "url3"))

