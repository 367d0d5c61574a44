#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/support/HeadlessHost.h"
#include "ui/Forms.h"
#include "ui/Window.h"

namespace quillmar::test {
namespace {

using ui::Kind;

const ui::WindowSpec kSpec{"Gated",
                           "",
                           0,
                           0,
                           {
                               {.name = "Txt", .kind = Kind::kTextBox},
                               {.name = "Lbl", .kind = Kind::kLabel, .clickable = true},
                               {.name = "Btn", .kind = Kind::kButton},
                               {.name = "Chk", .kind = Kind::kCheckBox},
                               {.name = "Opt1", .kind = Kind::kOptionButton, .value = 1},
                               {.name = "Opt2", .kind = Kind::kOptionButton},
                               {.name = "Lst", .kind = Kind::kListBox},
                               {.name = "Sld", .kind = Kind::kSlider, .value = 5, .max = 100},
                               {.name = "Tabs", .kind = Kind::kTabStrip, .items = {"a", "b"}},
                           }};

// A window whose box refuses any text but "ok" with a message, taking the focus back.
struct Gated {
  Gated() {
    list.AddItem("x");
    lbl.OnClick = btn.OnClick = chk.OnClick = sld.OnScroll = sld.OnChange =
        tabs.OnClick = [this] { ++fired; };
    txt.OnLostFocus = [this] {
      ++checks;
      if (txt.text() == "ok") return;
      p.host.MsgBox("bad");
      if (behind_message) behind_message(*this);
      txt.SetFocus();
    };
  }
  template <typename T>
  T& Get(std::string_view name) {
    return dynamic_cast<T&>(*window.Find(name));
  }
  // Everything a user action could change.
  std::string State() const {
    return std::to_string(fired) + std::to_string(chk.value()) + std::to_string(opt.value()) +
           std::to_string(list.ListIndex()) + std::to_string(sld.value()) +
           std::to_string(tabs.SelectedItem());
  }
  void Leave(const std::string& text) {
    txt.SetText(text);
    txt.LostFocus();
  }

  Program p;
  ui::Window window{kSpec, p.forms};
  ui::TextBox& txt = Get<ui::TextBox>("Txt");
  ui::Label& lbl = Get<ui::Label>("Lbl");
  ui::Button& btn = Get<ui::Button>("Btn");
  ui::CheckBox& chk = Get<ui::CheckBox>("Chk");
  ui::OptionButton& opt = Get<ui::OptionButton>("Opt2");
  ui::ListBox& list = Get<ui::ListBox>("Lst");
  ui::Slider& sld = Get<ui::Slider>("Sld");
  ui::TabStrip& tabs = Get<ui::TabStrip>("Tabs");
  int fired = 0;
  int checks = 0;
  void (*behind_message)(Gated&) = nullptr;
};

struct Action {
  const char* name;
  void (*user)(Gated&);
  void (*program)(Gated&);  // the same change made by the program; nullptr when it has none
};

const Action kActions[] = {
    {"label", [](Gated& g) { g.lbl.Click(); }, nullptr},
    {"button", [](Gated& g) { g.btn.Click(); }, nullptr},
    {"check box", [](Gated& g) { g.chk.Click(); }, [](Gated& g) { g.chk.SetValue(1); }},
    {"option", [](Gated& g) { g.opt.Click(); }, [](Gated& g) { g.opt.Select(); }},
    {"list", [](Gated& g) { g.list.Click(0); }, [](Gated& g) { g.list.SetListIndex(0); }},
    {"slider drag", [](Gated& g) { g.sld.Scroll(40); }, [](Gated& g) { g.sld.SetValue(40); }},
    {"slider change", [](Gated& g) { g.sld.Change(40); }, nullptr},
    {"tab", [](Gated& g) { g.tabs.Click(2); }, [](Gated& g) { g.tabs.Select(2); }},
};

TEST(Gate, AFailedCheckStopsTheUserActionOnceAndNothingActsBehindItsMessage) {
  for (const Action& a : kActions) {
    SCOPED_TRACE(a.name);
    Gated g;
    g.behind_message = a.user;
    const std::string before = g.State();
    g.Leave("bad");
    a.user(g);
    EXPECT_EQ(before, g.State());
    EXPECT_EQ((std::vector<std::string>{"MsgBox: bad", "Focus: Txt"}), g.p.host.events);
    g.Leave("ok");
    a.user(g);
    EXPECT_NE(before, g.State()) << "a refusal is not kept for the next check";
    EXPECT_EQ(2, g.checks);
  }
}

TEST(Gate, APassedOrSettledCheckLetsTheActionThrough) {
  for (const Action& a : kActions) {
    for (const char* text : {"ok", "bad"}) {
      SCOPED_TRACE(std::string(a.name) + " " + text);
      Gated g;
      const std::string before = g.State();
      g.Leave(text);
      if (std::string(text) == "bad") g.window.RunPendingCheck();
      a.user(g);
      EXPECT_NE(before, g.State());
      EXPECT_EQ(1, g.checks);
    }
  }
}

TEST(Gate, TheProgramsChangesNeverWaitForTheCheck) {
  for (const Action& a : kActions) {
    if (a.program == nullptr) continue;
    SCOPED_TRACE(a.name);
    Gated g;
    const std::string before = g.State();
    g.Leave("bad");
    a.program(g);
    EXPECT_NE(before, g.State());
    EXPECT_EQ(0, g.checks);
    g.btn.Click();
    EXPECT_EQ(1, g.checks) << "the check is still due for the user's next action";
  }
}

// A handler runs exactly when the state really changes; a refused or repeated change is silent.
TEST(Controls, HandlersRunOnlyOnARealChange) {
  struct Case {
    const char* label;
    std::function<void(Gated&)> act;
    const char* state;  // as Gated::State() gives it
  };
  const Case cases[] = {
      {"check", [](Gated& g) { g.chk.SetValue(1); }, "110-151"},
      {"grey, then a click",
       [](Gated& g) {
         g.chk.SetValue(2);
         g.chk.Click();
       },
       "210-151"},
      {"same state", [](Gated& g) { g.chk.SetValue(0); }, "000-151"},
      {"state 3", [](Gated& g) { g.chk.SetValue(3); }, "000-151"},
      {"state -1", [](Gated& g) { g.chk.SetValue(-1); }, "000-151"},
      {"slider kept", [](Gated& g) { g.sld.SetValue(5); }, "000-151"},
      {"slider out of range", [](Gated& g) { g.sld.SetValue(101); }, "000-151"},
      {"slider dragged", [](Gated& g) { g.sld.Scroll(9); }, "100-191"},
      {"tab chosen", [](Gated& g) { g.tabs.Select(2); }, "100-152"},
      {"tab chosen again", [](Gated& g) { g.tabs.Select(1); }, "000-151"},
      {"no such tab", [](Gated& g) { g.tabs.Select(3); }, "000-151"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Gated g;
    c.act(g);
    EXPECT_EQ(c.state, g.State());
  }
}

// The selection stays on the item the user chose while items above or below it go.
TEST(Controls, ListSelectionFollowsItsItem) {
  struct Case {
    int selected, removed;
    const char* chosen;  // nullptr: nothing selected afterwards
  };
  for (const Case c : {Case{2, 0, "c"}, Case{2, 2, nullptr}, Case{1, 3, "b"}, Case{0, 9, "x"}}) {
    SCOPED_TRACE(std::to_string(c.selected) + " minus " + std::to_string(c.removed));
    Gated g;
    for (const char* item : {"b", "c", "d"}) g.list.AddItem(item);
    g.list.SetListIndex(c.selected);
    g.list.RemoveItem(c.removed);
    if (c.chosen == nullptr) {
      EXPECT_EQ(-1, g.list.ListIndex());
    } else {
      ASSERT_NE(-1, g.list.ListIndex());
      EXPECT_EQ(c.chosen, g.list.List(g.list.ListIndex()));
    }
  }
}

TEST(Forms, LoadingAnOpenWindowGivesTheSameOne) {
  Program p;
  int loads = 0;
  struct Counted final : ui::Window {
    Counted(ui::Forms& forms, int& loads) : Window(kSpec, forms), loads_(loads) {}
    void Form_Load() override { ++loads_; }
    int& loads_;
  };
  p.forms.Register("Gated", [&loads](ui::Forms& f) { return std::make_unique<Counted>(f, loads); });
  ui::Window* first = p.forms.Load("Gated");
  EXPECT_EQ(first, p.forms.Load("Gated"));
  EXPECT_EQ(1, loads);
  EXPECT_EQ(nullptr, p.forms.Load("Nothing"));
}

}  // namespace
}  // namespace quillmar::test
