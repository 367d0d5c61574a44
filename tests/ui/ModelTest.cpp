#include <gtest/gtest.h>

#include <functional>

#include "tests/support/HeadlessHost.h"

namespace quillmar::test {
namespace {

using ui::Kind;

const std::vector<ui::ControlSpec> kControls{
    {.name = "Txt", .kind = Kind::kTextBox},
    {.name = "Lbl", .kind = Kind::kLabel, .clickable = true},
    {.name = "Btn", .kind = Kind::kButton},
    {.name = "Chk", .kind = Kind::kCheckBox},
    {.name = "Opt2", .kind = Kind::kOptionButton},
    {.name = "Lst", .kind = Kind::kListBox},
    {.name = "Sld", .kind = Kind::kSlider, .value = 5, .max = 100},
    {.name = "Tabs", .kind = Kind::kTabStrip, .items = {"a", "b"}}};
const ui::WindowSpec kSpec{"Gated", "", 0, 0, kControls};

// A window whose box refuses any text but "ok" with a message, taking the focus back; every
// handler counts its runs.
struct Gated : Program, ui::Window {
  Gated() : Window(kSpec, Program::forms) {
    for (const char* item : {"x", "b", "c", "d"}) list.AddItem(item);
    const auto count = [this] { ++runs; };
    lbl.OnClick = count;
    btn.OnClick = count;
    chk.OnClick = count;
    sld.OnScroll = count;
    sld.OnChange = count;
    tabs.OnClick = count;
    txt.OnLostFocus = [this] {
      ++checks;
      if (txt.text() == "ok") return;
      host.MsgBox("bad");
      if (behind_message) behind_message(*this);
      txt.SetFocus();
    };
  }
  void Leave(const std::string& text) {
    txt.SetText(text);
    txt.LostFocus();
  }

  ui::TextBox& txt = Get<ui::TextBox>("Txt");
  ui::Label& lbl = Get<ui::Label>("Lbl");
  ui::Button& btn = Get<ui::Button>("Btn");
  ui::CheckBox& chk = Get<ui::CheckBox>("Chk");
  ui::OptionButton& opt = Get<ui::OptionButton>("Opt2");
  ui::ListBox& list = Get<ui::ListBox>("Lst");
  ui::Slider& sld = Get<ui::Slider>("Sld");
  ui::TabStrip& tabs = Get<ui::TabStrip>("Tabs");
  int runs = 0;
  int checks = 0;
  std::function<void(Gated&)> behind_message;
};

// What each kind of control shows.
struct Shown {
  int runs, check, list, slider, tab;
  bool option;
  bool operator==(const Shown&) const = default;
};
Shown ShownBy(const Gated& g) {
  return {g.runs,        g.chk.value(),         g.list.ListIndex(),
          g.sld.value(), g.tabs.SelectedItem(), g.opt.value()};
}

using Act = std::function<void(Gated&)>;
// Each user action, and the same change made by the program where there is one.
const struct {
  const char* label;
  Act user, program = {};
} kActions[] = {
    {.label = "label", .user = [](Gated& g) { g.lbl.Click(); }},
    {.label = "button", .user = [](Gated& g) { g.btn.Click(); }},
    {.label = "check box",
     .user = [](Gated& g) { g.chk.Click(); },
     .program = [](Gated& g) { g.chk.SetValue(1); }},
    {.label = "option",
     .user = [](Gated& g) { g.opt.Click(); },
     .program = [](Gated& g) { g.opt.Select(); }},
    {.label = "list",
     .user = [](Gated& g) { g.list.Click(0); },
     .program = [](Gated& g) { g.list.SetListIndex(0); }},
    {.label = "slider drag",
     .user = [](Gated& g) { g.sld.Scroll(40); },
     .program = [](Gated& g) { g.sld.SetValue(40); }},
    {.label = "slider change", .user = [](Gated& g) { g.sld.Change(40); }},
    {.label = "tab",
     .user = [](Gated& g) { g.tabs.Click(2); },
     .program = [](Gated& g) { g.tabs.Select(2); }},
    {.label = "page shortcut", .user = [](Gated& g) { g.tabs.ClickNeighbour(1); }},
};

// A refused check stops every user action, even one made behind its message.
TEST(Gate, UserActionsWaitForTheCheck) {
  for (const auto& action : kActions) {
    SCOPED_TRACE(action.label);
    Gated g;
    g.behind_message = action.user;
    const Shown before = ShownBy(g);
    g.Leave("bad");
    action.user(g);
    EXPECT_EQ(before, ShownBy(g));
    EXPECT_EQ((std::vector<std::string>{"MsgBox: bad", "Focus: Txt"}), g.host.events);
    g.Leave("ok");
    action.user(g);
    action.user(g);
    EXPECT_NE(before, ShownBy(g));
    EXPECT_EQ(2, g.checks);
  }
}

TEST(Gate, ProgramChangesNeverWait) {
  for (const auto& action : kActions) {
    if (!action.program) continue;
    Gated g;
    const Shown before = ShownBy(g);
    g.Leave("bad");
    action.program(g);
    EXPECT_NE(before, ShownBy(g)) << action.label;
  }
}

TEST(Controls, ACheckBoxRunsItsHandlerOnlyOnARealChange) {
  Gated g;
  g.chk.SetValue(kGrey);
  g.chk.Click();  // a click on grey checks
  g.chk.SetValue(kChecked);
  g.chk.SetValue(3);
  g.chk.SetValue(-1);
  EXPECT_EQ(kChecked, g.chk.value());
  EXPECT_EQ(2, g.runs);
}

TEST(Controls, SliderAndTabsRefuseWhatTheyCannotShow) {
  Gated g;
  EXPECT_TRUE(g.sld.SetValue(5));
  EXPECT_FALSE(g.sld.SetValue(101));
  g.tabs.Select(1);
  g.tabs.Select(3);
  EXPECT_EQ(5, g.sld.value());
  EXPECT_EQ(1, g.tabs.SelectedItem());
  EXPECT_EQ(0, g.runs);
}

TEST(Window, GetRefusesAWrongNameOrKind) {
  Gated g;
  EXPECT_THROW(g.Get<ui::CheckBox>("Chck"), std::logic_error);
  EXPECT_THROW(g.Get<ui::CheckBox>("Opt2"), std::logic_error);
}

TEST(Forms, LoadingAnOpenWindowGivesTheSameOne) {
  Program p;
  EXPECT_EQ(p.forms.Load("Form5"), p.forms.Load("Form5"));
  EXPECT_EQ(nullptr, p.forms.Load("Nothing"));
}

}  // namespace
}  // namespace quillmar::test
