#include <gtest/gtest.h>

#include "tests/support/HeadlessHost.h"

namespace quillmar::test {
namespace {

TEST(Pages, OneFrameVisibleForEachTab) {
  Program p;
  Form4& f = p.Load();
  const ui::Control* frames[] = {&f.Frame1, &f.Frame2, &f.Frame3, &f.Frame4};
  for (int tab : {0, 3, 1, 4, 2}) {  // 0: before any tab is chosen, showing the first
    if (tab != 0) f.TabStrip1.Select(tab);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(i + 1 == std::max(tab, 1), frames[i]->visible()) << tab;
  }
}

TEST(IconSize, SliderWritesTheTextAndLeavingTheTextChecksIt) {
  Program p;
  Form4& f = p.Load();
  f.Slider1.Scroll(100);
  EXPECT_EQ("100", f.Txtpix.text());
  f.Slider1.SetValue(7);
  EXPECT_EQ("7", f.Txtpix.text());
  const std::vector<std::string> refused = {"MsgBox: Size must be a number (0 - 100).",
                                            "Focus: Txtpix"};
  int valid = 2;  // the first two texts are sizes
  for (const char* text : {"0", "100", "101", "-1", "05", "4a", " 7", "", "+5"}) {
    SCOPED_TRACE(text);
    p.host.events.clear();
    f.Txtpix.SetText(text);
    f.Txtpix.LostFocus();
    f.RunPendingCheck();
    EXPECT_EQ(valid-- > 0 ? std::vector<std::string>{} : refused, p.host.events);
    EXPECT_EQ(text, f.Txtpix.text());
    EXPECT_EQ(7, f.Slider1.value());
  }
}

// Delete on an empty list does nothing; Close discards the window and writes nothing.
TEST(UrlList, CloseWritesNothing) {
  Program p;
  Form4& f = p.Load();
  f.Command2.Click();
  f.List1.AddItem("a");
  f.Command1.Click();
  p.forms.Collect();
  EXPECT_FALSE(p.forms.AnyOpen());
  EXPECT_EQ(std::vector<std::string>{"Close: Form4"}, p.host.events);
  EXPECT_FALSE(p.module.KeyExists(kCurrentUser, kUrls));
}

}  // namespace
}  // namespace quillmar::test
