#include <gtest/gtest.h>

#include "tests/support/HeadlessHost.h"

namespace quillmar::test {
namespace {

TEST(IconSize, DraggingTheSliderWritesItsValueIntoTheBox) {
  Program p;
  Form4& f = p.Load();
  f.Slider1.Scroll(100);
  EXPECT_EQ("100", f.Txtpix.text());
}

// Leaving the box checks it: only the plain form of a number from 0 to 100 passes; the box keeps
// what was typed and takes the focus back, and the slider stays.
TEST(IconSize, LeavingTheBoxRefusesAnythingButASize) {
  const std::vector<std::string> refused = {"MsgBox: Size must be a number (0 - 100).",
                                            "Focus: Txtpix"};
  const struct {
    const char* text;
    bool passes;
  } cases[] = {{.text = "0", .passes = true},    {.text = "100", .passes = true},
               {.text = "101", .passes = false}, {.text = "-1", .passes = false},
               {.text = "05", .passes = false},  {.text = "", .passes = false}};
  for (const auto& c : cases) {
    Program p;
    Form4& f = p.Load();
    f.Txtpix.SetText(c.text);
    f.Txtpix.LostFocus();
    f.RunPendingCheck();
    EXPECT_EQ(c.passes ? std::vector<std::string>{} : refused, p.host.events) << c.text;
    EXPECT_EQ(c.text, f.Txtpix.text());
    EXPECT_EQ(32, f.Slider1.value()) << c.text;
  }
}

TEST(UrlList, CloseWritesNothing) {
  Program p;
  p.Store(kUrls, "url1", Sz("a"));
  Form4& f = p.Load();
  f.List1.SetListIndex(0);
  f.Command2.Click();
  p.Armed([&] { f.Command1.Click(); });
  p.forms.Collect();
  EXPECT_FALSE(p.forms.AnyOpen());
  EXPECT_EQ(0, p.registry.Writes());
}

// Check boxes by name without their "Chck", with their states.
using Boxes = std::map<std::string, int>;

// The fifteen Start menu items, in the order Select all and Deselect all set them, then the two
// boxes guarded elsewhere.
const std::vector<std::string> kWatched = {"Favorites",
                                           "Documents",
                                           "Settings",
                                           "Find",
                                           "Help",
                                           "Run",
                                           "Logoff",
                                           "Close",
                                           "ControlPanel",
                                           "Taskbar",
                                           "FolderOptions",
                                           "ActiveDesktop",
                                           "WindowsUpdate",
                                           "MyDocuments",
                                           "RecentDocuments",
                                           "ADFeature",
                                           "DisableCancelButton"};
const std::vector<std::string> kItems(kWatched.begin(), kWatched.begin() + 15);

Boxes Set(const std::vector<std::string>& names, int state) {
  Boxes boxes;
  for (const std::string& name : names) boxes[name] = state;
  return boxes;
}

Boxes With(Boxes boxes, const std::string& name, int state) {
  boxes[name] = state;
  return boxes;
}

struct Scene {
  std::vector<int> on = {kNt, k9x};  // the platforms
  Boxes before = {};                 // the watched boxes it does not name are unchecked
  std::vector<std::string> clicks;   // on boxes, or on "Select all" and "Deselect all"
  Boxes after;                       // the boxes it does not name keep their states
  // The messages; or where it names box changes too, every change and message in order.
  std::vector<std::string> shown = {};
};

const std::string kActiveDesktopMessage =
    "MsgBox: Active Desktop feature must be enabled (in Desktop + Special tab)!";
const std::string kUserProfileMessage =
    "MsgBox: At least one user profile must be created (in Control panel --> User profiles page)!";

// The scene's boxes set quietly in a window loaded with nothing stored; from then on every change
// of a box is logged beside the messages.
void Play(const Scene& scene, int number) {
  for (const int platform : scene.on) {
    SCOPED_TRACE(testing::Message() << "scene " << number << " on " << platform);
    Program p;
    Form4& f = p.Load(platform);
    const auto box = [&f](const std::string& name) -> ui::CheckBox& {
      return f.Get<ui::CheckBox>("Chck" + name);
    };
    Boxes want;
    for (const std::string& name : kWatched) {
      auto rule = std::exchange(box(name).OnClick, nullptr);
      want[name] = scene.before.count(name) ? scene.before.at(name) : kUnchecked;
      box(name).SetValue(want[name]);
      box(name).OnClick = rule;
      box(name).SetMirror([&p, &box, name] {
        p.host.events.push_back(name + " " + std::to_string(box(name).value()));
      });
    }
    for (const std::string& click : scene.clicks) {
      if (click == "Select all") f.Label9.Click();
      if (click == "Deselect all") f.Label10.Click();
      if (!click.ends_with(" all")) box(click).Click();
    }
    for (const auto& [name, state] : scene.after) want[name] = state;
    Boxes now;
    for (const std::string& name : kWatched) now[name] = box(name).value();
    EXPECT_EQ(want, now);
    std::vector<std::string> messages;
    std::copy_if(p.host.events.begin(), p.host.events.end(), std::back_inserter(messages),
                 [](const std::string& e) { return e.starts_with("MsgBox"); });
    const bool only_messages =
        std::all_of(scene.shown.begin(), scene.shown.end(),
                    [](const std::string& e) { return e.starts_with("MsgBox"); });
    EXPECT_EQ(scene.shown, only_messages ? messages : p.host.events);
  }
}

void PlayAll(const std::vector<Scene>& scenes) {
  for (std::size_t i = 0; i < scenes.size(); ++i) Play(scenes[i], static_cast<int>(i));
}

const std::vector<std::string> kDocs = {"Documents", "MyDocuments", "RecentDocuments"};

TEST(StartMenu, OneClickOnTheSettingsGroup) {
  PlayAll({
      {.clicks = {"Settings"}, .after = Set({"Settings", "ControlPanel"}, 1)},
      {.before = Set({"Settings", "ControlPanel", "Taskbar", "ActiveDesktop", "ADFeature"}, 1),
       .clicks = {"Settings"},
       .after = Set({"Settings", "ControlPanel", "Taskbar", "ActiveDesktop"}, 0)},
      {.clicks = {"Taskbar"}, .after = Set({"Taskbar", "Settings"}, 1)},
      {.before = Set({"Settings", "WindowsUpdate"}, 1),
       .clicks = {"WindowsUpdate"},
       .after = Set({"Settings", "WindowsUpdate"}, 0)},
  });
}

TEST(StartMenu, OneClickOnTheDocumentsGroup) {
  PlayAll({
      {.on = {kNt}, .before = Set(kDocs, 1), .clicks = {"Documents"}, .after = Set(kDocs, 0)},
      {.on = {kNt},
       .clicks = {"RecentDocuments"},
       .after = Set({"Documents", "RecentDocuments"}, 1)},
      {.on = {k9x},
       .before = Set({"Documents", "RecentDocuments"}, 1),
       .clicks = {"RecentDocuments"},
       .after = {{"RecentDocuments", 0}}},
  });
}

TEST(StartMenu, SelectAllAndDeselectAll) {
  PlayAll({
      {.before = Set({"Find", "RecentDocuments"}, 1),
       .clicks = {"Select all"},
       .after = Set(kItems, 1)},
      {.on = {k9x},
       .before = {{"Help", kGrey}, {"Find", 1}},
       .clicks = {"Deselect all"},
       .after = With(Set(kItems, 0), "Help", kGrey)},
  });
}

// A guard speaks after its parent followed; a box a rule set early is set again by its own step.
TEST(StartMenu, OrderOfChangesAndMessages) {
  PlayAll({
      {.on = {kNt},
       .before = {{"ADFeature", 1}},
       .clicks = {"ActiveDesktop"},
       .after = {},
       .shown = {"ActiveDesktop 1", "Settings 1", kActiveDesktopMessage, "ActiveDesktop 0",
                 "Settings 0"}},
      {.on = {kNt},
       .clicks = {"DisableCancelButton"},
       .after = {},
       .shown = {"DisableCancelButton 1", kUserProfileMessage, "DisableCancelButton 0"}},
      {.on = {k9x},
       .before = Set({"Favorites", "Find", "Help", "Run", "Logoff", "Close", "ADFeature"}, 1),
       .clicks = {"Select all"},
       .after = With(Set(kItems, 1), "ActiveDesktop", 0),
       .shown = {"Documents 1", "MyDocuments 2", "Settings 1", "ControlPanel 1", "Taskbar 1",
                 "FolderOptions 1", "ActiveDesktop 1", kActiveDesktopMessage, "ActiveDesktop 0",
                 "WindowsUpdate 1", "MyDocuments 1", "RecentDocuments 1"}},
  });
}

}  // namespace
}  // namespace quillmar::test
