"""The Other page on the real exe: name and company, bitmap thumbnails on and off, and the typed
URL history edited with Delete, each read back through reg.exe."""

import unittest

from harness import PROGRAM_KEY, TweakScenario

USER_INFO_KEY = r"HKCU\Software\Microsoft\MS Setup (ACME)\User Info"
VERSION_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion"
BMP_KEY = r"HKCR\.bmp"
BMP_ICON_KEY = r"HKCR\Paint.Picture\DefaultIcon"
URL_KEY = r"HKCU\Software\Microsoft\Internet Explorer\TypedURLs"
THUMBNAILS = "Automatically view thumbnails of bitmap files (*.bmp)."
URLS = ["http://first.example/", "http://second.example/a?b=c", "ftp://third.example/"]


def text(data):
    return ("REG_SZ", data)


class Other(TweakScenario):
    def visible(self, cls):
        window = self.wine.wait_window("Quillmar", "Apply")
        return sorted((c for c in window if c["class"] == cls and c["visible"]),
                      key=lambda c: c["rect"][1])

    def test_name_and_company_are_written_for_the_user_and_the_machine(self):
        self.open_tweak()
        self.show_tab(2)
        name_box, company_box = self.visible("Edit")
        for box, typed in [(name_box, "Jo Tester"), (company_box, "Fen & Daughters, Ltd.")]:
            self.wine.click(box)
            self.wine.key("ctrl+a", "BackSpace")
            self.wine.type_text(typed)
        self.press("Apply")
        self.wait_reg(USER_INFO_KEY, "DefName", text("Jo Tester"))
        for key, name, expected in [
            (USER_INFO_KEY, "DefCompany", "Fen & Daughters, Ltd."),
            (VERSION_KEY, "RegisteredOwner", "Jo Tester"),
            (VERSION_KEY, "RegisteredOrganization", "Fen & Daughters, Ltd."),
        ]:
            self.assertEqual(text(expected), self.wine.reg_query(key, name), name)

    def test_thumbnails_on_then_off_restores_the_bitmap_type(self):
        self.wine.reg_add(BMP_KEY, "", "REG_SZ", "Sketcher.Bitmap")
        self.open_tweak()
        self.show_tab(2)
        self.assertEqual(0, self.check_state(THUMBNAILS))
        self.press(THUMBNAILS)
        self.wait_check(THUMBNAILS, 1)
        self.press("Apply")
        self.wait_reg(BMP_KEY, "", text("Paint.Picture"))
        self.assertEqual(text("%1"), self.wine.reg_query(BMP_ICON_KEY, ""))
        self.assertEqual(text("Sketcher.Bitmap"), self.wine.reg_query(PROGRAM_KEY, "bmp"))

        self.press(THUMBNAILS)
        self.wait_check(THUMBNAILS, 0)
        self.press("Apply")
        self.wait_reg(BMP_KEY, "", text("Sketcher.Bitmap"))
        self.assertEqual(text("%1"), self.wine.reg_query(BMP_ICON_KEY, ""))
        self.assertEqual(text("Sketcher.Bitmap"), self.wine.reg_query(PROGRAM_KEY, "bmp"))

    def delete_second_url(self):
        for n, url in enumerate(URLS, 1):
            self.wine.reg_add(URL_KEY, f"url{n}", "REG_SZ", url)
        self.open_tweak()
        self.show_tab(2)
        (url_list,) = self.visible("ListBox")
        self.assertEqual(URLS, url_list["items"])
        x, y, w, _ = url_list["rect"]
        # The probe gives no item rects: a click on the first row, then the arrow key.
        self.wine.click_at(x + w // 2, y + 8)
        self.wine.key("Down")
        self.wine.wait_for(lambda: self.visible("ListBox")[0]["sel"] == 1, "the second URL selected")
        self.press("Delete")
        self.wine.wait_for(lambda: self.visible("ListBox")[0]["items"] == [URLS[0], URLS[2]],
                           "the second URL gone from the list")

    def test_delete_then_apply_closes_the_gap(self):
        self.delete_second_url()
        self.press("Apply")
        self.wait_reg(URL_KEY, "url2", text(URLS[2]))
        self.assertEqual(text(URLS[0]), self.wine.reg_query(URL_KEY, "url1"))
        self.assertIsNone(self.wine.reg_query(URL_KEY, "url3"))

    def test_delete_then_close_changes_nothing(self):
        self.delete_second_url()
        self.press("Close")
        self.assertTrue(self.wine.exited())
        for n, url in enumerate(URLS, 1):
            self.assertEqual(text(url), self.wine.reg_query(URL_KEY, f"url{n}"))


if __name__ == "__main__":
    unittest.main()
