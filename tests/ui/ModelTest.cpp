#include <gtest/gtest.h>

#include <tuple>

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

// A window whose box refuses any text but "ok" with a message, taking the focus back.
struct Gated : Program, ui::Window {
  Gated() : Window(kSpec, Program::forms) {
    for (const char* item : {"x", "b", "c", "d"}) list.AddItem(item);
    lbl.OnClick = btn.OnClick = chk.OnClick = sld.OnScroll = sld.OnChange =
        tabs.OnClick = [this] { ++fired; };
    txt.OnLostFocus = [this] {
      ++checks;
      if (txt.text() == "ok") return;
      host.MsgBox("bad");
      if (behind_message) behind_message(*this);
      txt.SetFocus();
    };
  }
  std::string State() const {
    return std::to_string(fired) + std::to_string(chk.value()) + std::to_string(opt.value()) +
           std::to_string(list.ListIndex()) + std::to_string(sld.value()) +
           std::to_string(tabs.SelectedItem());
  }

  ui::TextBox& txt = Get<ui::TextBox>("Txt");
  ui::Label& lbl = Get<ui::Label>("Lbl");
  ui::Button& btn = Get<ui::Button>("Btn");
  ui::CheckBox& chk = Get<ui::CheckBox>("Chk");
  ui::OptionButton& opt = Get<ui::OptionButton>("Opt2");
  ui::ListBox& list = Get<ui::ListBox>("Lst");
  ui::Slider& sld = Get<ui::Slider>("Sld");
  ui::TabStrip& tabs = Get<ui::TabStrip>("Tabs");
  int fired = 0, checks = 0;
  void (*behind_message)(Gated&) = nullptr;
};

using Act = void (*)(Gated&);
// Each user action, and the same change made by the program where it has one.
const std::tuple<const char*, Act, Act> kActions[] = {
    {"label", [](Gated& g) { g.lbl.Click(); }, nullptr},
    {"button", [](Gated& g) { g.btn.Click(); }, nullptr},
    {"check box", [](Gated& g) { g.chk.Click(); }, [](Gated& g) { g.chk.SetValue(1); }},
    {"option", [](Gated& g) { g.opt.Click(); }, [](Gated& g) { g.opt.Select(); }},
    {"list", [](Gated& g) { g.list.Click(0); }, [](Gated& g) { g.list.SetListIndex(0); }},
    {"slider drag", [](Gated& g) { g.sld.Scroll(40); }, [](Gated& g) { g.sld.SetValue(40); }},
    {"slider change", [](Gated& g) { g.sld.Change(40); }, nullptr},
    {"tab", [](Gated& g) { g.tabs.Click(2); }, [](Gated& g) { g.tabs.Select(2); }},
    {"page shortcut", [](Gated& g) { g.tabs.ClickNeighbour(1); }, nullptr},
};

// A refused check stops every user action, even behind its message; program changes never wait.
TEST(Gate, EveryUserActionAndOnlyThoseWaitForTheCheck) {
  for (const auto& [name, user, program] : kActions) {
    SCOPED_TRACE(name);
    Gated g;
    g.behind_message = user;
    const std::string before = g.State();
    g.txt.SetText("bad"), g.txt.LostFocus(), user(g);
    EXPECT_EQ(before, g.State());
    EXPECT_EQ((std::vector<std::string>{"MsgBox: bad", "Focus: Txt"}), g.host.events);
    g.txt.SetText("ok"), g.txt.LostFocus(), user(g), user(g);
    EXPECT_NE(before, g.State());
    EXPECT_EQ(2, g.checks);
    if (program == nullptr) continue;
    Gated q;
    q.txt.SetText("bad"), q.txt.LostFocus(), program(q);
    EXPECT_NE(before, q.State());
  }
}

// A handler runs exactly when the state really changes; a refused or repeated change is silent.
TEST(Controls, HandlersRunOnlyOnARealChange) {
  const std::pair<Act, const char*> cases[] = {
      {[](Gated& g) { g.chk.SetValue(2), g.chk.Click(); }, "210-151"},
      {[](Gated& g) { g.chk.SetValue(3); }, "000-151"},
      {[](Gated& g) { g.chk.SetValue(-1); }, "000-151"},
      {[](Gated& g) { g.sld.SetValue(5); }, "000-151"},
      {[](Gated& g) { g.tabs.Select(1); }, "000-151"},
      {[](Gated& g) { g.tabs.Select(3); }, "000-151"},
      // The page shortcuts wrap round both ways.
      {[](Gated& g) { g.tabs.ClickNeighbour(-3); }, "100-152"},
      {[](Gated& g) { g.tabs.Select(2), g.tabs.ClickNeighbour(1); }, "200-151"},
      // The selection stays on the item the user chose while items above or below it go.
      {[](Gated& g) { g.list.SetListIndex(2), g.list.RemoveItem(0); }, "000151"},
      {[](Gated& g) { g.list.SetListIndex(1), g.list.RemoveItem(3); }, "000151"},
      {[](Gated& g) { g.list.SetListIndex(0), g.list.RemoveItem(9); }, "000051"},
  };
  for (const auto& c : cases) {
    Gated g;
    c.first(g);
    EXPECT_EQ(c.second, g.State()) << &c - cases;
  }
}

TEST(Forms, LoadingAnOpenWindowGivesTheSameOne) {
  Program p;
  EXPECT_EQ(p.forms.Load("Form5"), p.forms.Load("Form5"));
  EXPECT_EQ(nullptr, p.forms.Load("Nothing"));
}

}  // namespace
}  // namespace quillmar::test
