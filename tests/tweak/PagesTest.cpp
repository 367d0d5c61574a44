#include <gtest/gtest.h>

#include "tests/support/HeadlessHost.h"
#include "tweak/Form4.h"

namespace quillmar {
namespace {

Form4& LoadForm4(test::Program& p) {
  auto& form = dynamic_cast<Form4&>(*p.forms.Load("Form4"));
  p.host.events.clear();
  return form;
}

TEST(Pages, OneFrameVisibleForEachTab) {
  test::Program p;
  Form4& f = LoadForm4(p);
  const std::array<ui::Control*, 4> frames = {&f.Frame1, &f.Frame2, &f.Frame3, &f.Frame4};
  auto visible = [&] {
    std::string out;
    for (ui::Control* frame : frames) out += frame->visible() ? '1' : '0';
    return out;
  };
  EXPECT_EQ("1000", visible()) << "before any tab is chosen";
  for (int tab : {3, 1, 4, 2}) {
    f.TabStrip1.Select(tab);
    std::string expected = "0000";
    expected[static_cast<std::size_t>(tab - 1)] = '1';
    EXPECT_EQ(expected, visible()) << "tab " << tab;
  }
}

// The link runs one way: the slider writes the text, typing never moves the slider.
TEST(IconSize, SliderWritesItsValueIntoTheText) {
  test::Program p;
  Form4& f = LoadForm4(p);
  for (int v : {100, 0, 7}) {
    f.Slider1.Scroll(v);
    EXPECT_EQ(std::to_string(v), f.Txtpix.text());
  }
  f.Slider1.SetValue(5);
  EXPECT_EQ("5", f.Txtpix.text());
  f.Txtpix.SetText("77");
  EXPECT_EQ(5, f.Slider1.value());
}

TEST(IconSize, LeavingTheTextChecksIt) {
  struct Case {
    const char* text;
    bool valid;
  };
  const Case cases[] = {{"0", true},   {"100", true}, {"48", true},  {"101", false}, {"-1", false},
                        {"05", false}, {"4a", false}, {" 7", false}, {"", false},    {"+5", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    test::Program p;
    Form4& f = LoadForm4(p);
    f.Txtpix.SetText(c.text);
    f.Txtpix.LostFocus();
    f.RunPendingCheck();
    const std::vector<std::string> refused = {"MsgBox: Size must be a number (0 - 100).",
                                              "Focus: Txtpix"};
    EXPECT_EQ(c.valid ? std::vector<std::string>{} : refused, p.host.events);
    EXPECT_EQ(c.text, f.Txtpix.text());
    EXPECT_EQ(32, f.Slider1.value());
  }
}

TEST(UrlList, DeleteRemovesOnlyTheSelectedItem) {
  struct Case {
    std::vector<std::string> items;
    int selected;
    std::vector<std::string> after;
  };
  const Case cases[] = {
      {{}, -1, {}}, {{"a", "b"}, -1, {"a", "b"}}, {{"a", "b", "c"}, 1, {"a", "c"}}, {{"a"}, 0, {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.selected);
    test::Program p;
    Form4& f = LoadForm4(p);
    for (const auto& item : c.items) f.List1.AddItem(item);
    f.List1.SetListIndex(c.selected);
    f.Command2.Click();
    f.Command2.Click();
    std::vector<std::string> after;
    for (int i = 0; i < f.List1.ListCount(); ++i) after.push_back(f.List1.List(i));
    EXPECT_EQ(c.after, after) << "one item per selection";
    EXPECT_TRUE(p.host.events.empty());
  }
}

TEST(Closing, CloseDiscardsTheWindowWithoutWriting) {
  test::Program p;
  Form4& f = LoadForm4(p);
  f.ChckHide.Click();
  f.Command1.Click();
  p.forms.Collect();
  EXPECT_FALSE(p.forms.AnyOpen());
  EXPECT_EQ(std::vector<std::string>{"Close: Form4"}, p.host.events);
  EXPECT_FALSE(p.module.KeyExists(kCurrentUser, test::kExplorer));
}

}  // namespace
}  // namespace quillmar
