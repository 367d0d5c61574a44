#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/support/HeadlessHost.h"
#include "ui/Controls.h"
#include "ui/Forms.h"
#include "ui/Window.h"

namespace quillmar::ui {
namespace {

const WindowSpec kSpec{
    .name = "Probe",
    .caption = "Probe",
    .client_width = 1500,
    .client_height = 1500,
    .controls = {{.name = "Check", .kind = Kind::kCheckBox},
                 {.name = "List", .kind = Kind::kListBox},
                 {.name = "Slider", .kind = Kind::kSlider, .value = 5, .min = 0, .max = 10},
                 {.name = "Tabs", .kind = Kind::kTabStrip, .items = {"A", "B", "C"}}}};

int loads = 0;

class Probe final : public Window {
 public:
  explicit Probe(Forms& forms) : Window(kSpec, forms) {}
  void Form_Load() override { ++loads; }
  CheckBox& check = Get<CheckBox>("Check");
  ListBox& list = Get<ListBox>("List");
  Slider& slider = Get<Slider>("Slider");
  TabStrip& tabs = Get<TabStrip>("Tabs");
};

// A handler runs exactly when the state really changes; a refused or repeated change is silent.
TEST(Controls, HandlersRunOnlyOnARealChange) {
  struct Case {
    const char* label;
    std::function<void(Probe&)> act;
    int fires;
    std::function<bool(Probe&)> holds;
  };
  const Case cases[] = {
      {"check", [](Probe& p) { p.check.SetValue(1); }, 1,
       [](Probe& p) { return p.check.value() == 1; }},
      {"grey", [](Probe& p) { p.check.SetValue(2); }, 1,
       [](Probe& p) { return p.check.value() == 2; }},
      {"same state", [](Probe& p) { p.check.SetValue(0); }, 0,
       [](Probe& p) { return p.check.value() == 0; }},
      {"state 3", [](Probe& p) { p.check.SetValue(3); }, 0,
       [](Probe& p) { return p.check.value() == 0; }},
      {"state -1", [](Probe& p) { p.check.SetValue(-1); }, 0,
       [](Probe& p) { return p.check.value() == 0; }},
      {"click from grey",
       [](Probe& p) {
         p.check.SetValue(2);
         p.check.Click();
       },
       2, [](Probe& p) { return p.check.value() == 1; }},
      {"slider moved", [](Probe& p) { p.slider.SetValue(7); }, 1,
       [](Probe& p) { return p.slider.value() == 7; }},
      {"slider kept", [](Probe& p) { p.slider.SetValue(5); }, 0,
       [](Probe& p) { return p.slider.value() == 5; }},
      {"slider out of range", [](Probe& p) { p.slider.SetValue(11); }, 0,
       [](Probe& p) { return p.slider.value() == 5; }},
      {"slider dragged", [](Probe& p) { p.slider.Scroll(9); }, 1,
       [](Probe& p) { return p.slider.value() == 9; }},
      {"tab chosen", [](Probe& p) { p.tabs.Select(3); }, 1,
       [](Probe& p) { return p.tabs.SelectedItem() == 3; }},
      {"tab chosen again", [](Probe& p) { p.tabs.Select(1); }, 0,
       [](Probe& p) { return p.tabs.SelectedItem() == 1; }},
      {"no such tab", [](Probe& p) { p.tabs.Select(4); }, 0,
       [](Probe& p) { return p.tabs.SelectedItem() == 1; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test::HeadlessHost host;
    Forms forms{host};
    Probe probe(forms);
    int fires = 0;
    probe.check.OnClick = [&] { ++fires; };
    probe.slider.OnChange = [&] { ++fires; };
    probe.slider.OnScroll = [&] { ++fires; };
    probe.tabs.OnClick = [&] { ++fires; };
    c.act(probe);
    EXPECT_EQ(c.fires, fires);
    EXPECT_TRUE(c.holds(probe));
  }
}

// The selection stays on the item the user chose while items above or below it go.
TEST(Controls, ListSelectionFollowsItsItem) {
  struct Case {
    int selected, removed;
    int expected;  // -1: nothing selected
  };
  for (const Case c :
       {Case{2, 0, 1}, Case{2, 2, -1}, Case{1, 3, 1}, Case{-1, 0, -1}, Case{0, 9, 0}}) {
    SCOPED_TRACE(std::to_string(c.selected) + " minus " + std::to_string(c.removed));
    test::HeadlessHost host;
    Forms forms{host};
    Probe probe(forms);
    for (const char* item : {"a", "b", "c", "d"}) probe.list.AddItem(item);
    probe.list.SetListIndex(c.selected);
    const std::string chosen = c.selected < 0 ? "" : probe.list.List(c.selected);
    probe.list.RemoveItem(c.removed);
    EXPECT_EQ(c.expected, probe.list.ListIndex());
    if (c.expected >= 0) {
      EXPECT_EQ(chosen, probe.list.List(probe.list.ListIndex()));
    }
  }
}

TEST(Forms, LoadingAnOpenWindowGivesTheSameOne) {
  test::HeadlessHost host;
  Forms forms{host};
  forms.Register("Probe", [](Forms& f) { return std::make_unique<Probe>(f); });
  loads = 0;
  Window* first = forms.Load("Probe");
  EXPECT_EQ(first, forms.Load("Probe"));
  EXPECT_EQ(1, loads);
  EXPECT_EQ(nullptr, forms.Load("Nothing"));
  forms.Close(*first);
  EXPECT_FALSE(forms.AnyOpen());
}

}  // namespace
}  // namespace quillmar::ui
