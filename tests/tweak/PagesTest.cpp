#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <tuple>

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
    p.host.events.clear(), f.Txtpix.SetText(text), f.Txtpix.LostFocus(), f.RunPendingCheck();
    EXPECT_EQ(valid-- > 0 ? std::vector<std::string>{} : refused, p.host.events);
    EXPECT_EQ(text + std::string(" 7"), f.Txtpix.text() + " " + std::to_string(f.Slider1.value()));
  }
}

// Delete on an empty list does nothing; Close discards the window and writes nothing.
TEST(UrlList, CloseWritesNothing) {
  Program p;
  Form4& f = p.Load();
  f.Command2.Click(), f.List1.AddItem("a"), f.Command1.Click();
  p.forms.Collect();
  EXPECT_FALSE(p.forms.AnyOpen());
  EXPECT_EQ(std::vector<std::string>{"Close: Form4"}, p.host.events);
  EXPECT_FALSE(p.module.KeyExists(kCurrentUser, kUrls));
}

constexpr int kNt = 2, k9x = 1;

const std::string kActiveDesktop =
    "MsgBox: Active Desktop feature must be enabled (in Desktop + Special tab)!";
const std::string kUserProfile =
    "MsgBox: At least one user profile must be created (in Control panel --> User profiles page)!";

// The boxes Select all and Deselect all set, without "Chck"; then the others the rules watch.
const std::string kItems =
    "Favorites Documents Settings Find Help Run Logoff Close ControlPanel Taskbar FolderOptions "
    "ActiveDesktop WindowsUpdate MyDocuments RecentDocuments";
const std::string kWatched = kItems + " ADFeature DisableCancelButton";

using States = std::map<std::string, int>;

// "Settings MyDocuments=2": each named box in the state after "=", checked when none is given.
States Parse(const std::string& text) {
  States states;
  std::istringstream words(text);
  for (std::string w; words >> w;)
    states[w.substr(0, w.find('='))] =
        w.find('=') == w.npos ? 1 : std::stoi(w.substr(w.find('=') + 1));
  return states;
}

const std::string kNone = std::regex_replace(kItems, std::regex("\\w+"), "$&=0");

TEST(StartMenu, EndStates) {
  // Platforms (kNt, k9x or both, 3), start, actions, end over the start (the other boxes keep
  // their states), messages; where the order matters, every change (AD, UP: the guards' messages).
  const std::tuple<int, std::string, const char*, std::string, int, const char*> cases[] = {
      {3, "", "Settings", "Settings ControlPanel", 0, ""},
      {3, "Settings ControlPanel Taskbar ActiveDesktop ADFeature", "Settings",
       "Settings=0 ControlPanel=0 Taskbar=0 ActiveDesktop=0", 0, ""},
      {3, "", "Taskbar", "Taskbar Settings", 0, ""},
      {3, "Settings WindowsUpdate", "WindowsUpdate", "WindowsUpdate=0 Settings=0", 0, ""},
      {3, "Settings ActiveDesktop FolderOptions", "ActiveDesktop", "ActiveDesktop=0", 0, ""},
      {3, "ADFeature Settings Taskbar", "ActiveDesktop", "", 1, ""},
      {kNt, "Documents MyDocuments RecentDocuments", "Documents",
       "Documents=0 MyDocuments=0 RecentDocuments=0", 0, ""},
      {kNt, "", "RecentDocuments", "RecentDocuments Documents", 0, ""},
      {kNt, "Documents MyDocuments", "MyDocuments", "MyDocuments=0 Documents=0", 0, ""},
      {kNt, "Documents MyDocuments RecentDocuments", "RecentDocuments", "RecentDocuments=0", 0, ""},
      {k9x, "MyDocuments", "Documents", "Documents MyDocuments=2", 0, ""},
      {k9x, "Documents MyDocuments=2 RecentDocuments", "Documents",
       "Documents=0 MyDocuments=0 RecentDocuments=0", 0, ""},
      {k9x, "Documents RecentDocuments", "RecentDocuments", "RecentDocuments=0", 0, ""},
      {3, "Find Documents RecentDocuments", "all", kItems, 0, ""},
      {3, "ADFeature", "all all", kItems + " ActiveDesktop=0", 2, ""},
      {3, "ADFeature Settings ActiveDesktop", "all", kItems, 0, ""},
      {kNt, "DisableCancelButton", "all none", kNone, 0, ""},
      {kNt, "DisableCancelButton", "DisableCancelButton", "DisableCancelButton=0", 0, ""},
      {k9x, "Help=2 Find", "none", kNone + " Help=2", 0, ""},
      // A guard speaks after the parent followed.
      {kNt, "ADFeature", "ActiveDesktop", "", 1,
       "ActiveDesktop=1 Settings=1 AD ActiveDesktop=0 Settings=0"},
      {kNt, "", "DisableCancelButton", "", 1, "DisableCancelButton=1 UP DisableCancelButton=0"},
      {k9x, "Favorites Find Help Run Logoff Close ADFeature", "all", kItems + " ActiveDesktop=0", 1,
       "Documents=1 MyDocuments=2 Settings=1 ControlPanel=1 Taskbar=1 FolderOptions=1 "
       "ActiveDesktop=1 AD ActiveDesktop=0 WindowsUpdate=1 MyDocuments=1 RecentDocuments=1"},
      {kNt, "Documents RecentDocuments Settings Taskbar", "none", kNone, 0,
       "Documents=0 RecentDocuments=0 Settings=0 Taskbar=0"},
  };
  for (const auto& [platforms, start, actions, end, messages, events] : cases) {
    for (int platform : {kNt, k9x}) {
      if ((platforms & platform) == 0) continue;
      SCOPED_TRACE(start + " / " + actions + " on " + std::to_string(platform));
      Program p;
      Form4& f = p.Load(platform);
      const auto box = [&f](const std::string& name) -> ui::CheckBox& {
        return dynamic_cast<ui::CheckBox&>(*f.Find("Chck" + name));
      };
      // The watched boxes set quietly; from then on each box change and message is logged.
      States arranged = Parse(start), want = {{"Check1", f.Check1.value()}};
      for (const auto& [name, unused] : Parse(kWatched)) {
        ui::CheckBox& b = box(name);
        auto rule = std::exchange(b.OnClick, nullptr);
        b.SetValue(want[name] = arranged[name]);
        b.OnClick = rule;
        b.SetMirror([&, name] { p.host.events.push_back(name + "=" + std::to_string(b.value())); });
      }
      // "all" is Select all, "none" Deselect all, any other word a click on that box.
      std::istringstream words(actions);
      for (std::string w; words >> w;)
        w == "all" ? f.Label9.Click() : w == "none" ? f.Label10.Click() : box(w).Click();
      for (const auto& [name, state] : Parse(end)) want[name] = state;
      States now = {{"Check1", f.Check1.value()}};
      for (const auto& [name, unused] : Parse(kWatched)) now[name] = box(name).value();
      EXPECT_EQ(want, now);
      EXPECT_EQ(messages, p.host.Count("MsgBox: "));
      std::string changes;
      for (const std::string& e : p.host.events)
        changes += " " + (e == kActiveDesktop ? "AD" : e == kUserProfile ? "UP" : e);
      EXPECT_EQ(events, *events ? changes.substr(1) : "");
    }
  }
}

}  // namespace
}  // namespace quillmar::test
