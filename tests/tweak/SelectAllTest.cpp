#include <gtest/gtest.h>

#include <functional>

#include "tests/tweak/StartMenuFixture.h"

namespace quillmar {
namespace {

using test::Boxes;
using test::k9x;
using test::kNt;
using test::StartMenuFixture;
using test::States;

constexpr char kActiveDesktop[] =
    "Active Desktop feature must be enabled (in Desktop + Special tab)!";

const char* const kItems[] = {"ChckFavorites",     "ChckDocuments",     "ChckSettings",
                              "ChckFind",          "ChckHelp",          "ChckRun",
                              "ChckLogoff",        "ChckClose",         "ChckControlPanel",
                              "ChckTaskbar",       "ChckFolderOptions", "ChckActiveDesktop",
                              "ChckWindowsUpdate", "ChckMyDocuments",   "ChckRecentDocuments"};

States AllItems(int state, const std::string& but = "") {
  States states;
  for (const char* name : kItems) states[name] = state;
  for (const auto& [name, other] : Boxes(but)) states[name] = other;
  return states;
}

enum Op { kSelect, kDeselect };

struct EndCase {
  const char* label;
  std::vector<int> platforms;
  States start;
  std::vector<Op> ops;
  States end;  // over the start; every other box keeps its state
  int messages;
};

TEST(SelectAll, EndStates) {
  const std::vector<int> either = {kNt, k9x, 0};
  const std::vector<int> nine_x = {k9x, 0};
  const States some = Boxes("Find Documents RecentDocuments Settings Taskbar");
  const EndCase cases[] = {
      {"select all from nothing", either, {}, {kSelect}, AllItems(1), 0},
      {"select all from some", either, some, {kSelect}, AllItems(1), 0},
      {"select all, feature off",
       either,
       Boxes("ADFeature"),
       {kSelect},
       AllItems(1, "ActiveDesktop=0"),
       1},
      {"select all twice, feature off",
       either,
       Boxes("ADFeature"),
       {kSelect, kSelect},
       AllItems(1, "ActiveDesktop=0"),
       2},
      {"select all, feature off, Active Desktop checked",
       either,
       Boxes("ADFeature Settings ActiveDesktop"),
       {kSelect},
       AllItems(1),
       0},
      {"select all when all are checked, feature off",
       either,
       AllItems(1, "ADFeature"),
       {kSelect},
       {},
       0},
      {"select all leaves the other pages",
       either,
       Boxes("DisableCancelButton"),
       {kSelect},
       AllItems(1),
       0},
      {"NT: deselect all", {kNt}, AllItems(1), {kDeselect}, AllItems(0), 0},
      {"NT: deselect all, feature off",
       {kNt},
       AllItems(1, "ADFeature"),
       {kDeselect},
       AllItems(0),
       0},
      {"NT: select all, then deselect all", {kNt}, some, {kSelect, kDeselect}, AllItems(0), 0},
      {"9x: deselect all keeps a checked Help",
       nine_x,
       AllItems(1),
       {kDeselect},
       AllItems(0, "Help"),
       0},
      {"9x: deselect all keeps an unchecked Help", nine_x, some, {kDeselect}, AllItems(0), 0},
      {"9x: deselect all keeps a grey Help",
       nine_x,
       Boxes("Help=2 Find"),
       {kDeselect},
       AllItems(0, "Help=2"),
       0},
      {"9x: select all, then deselect all",
       nine_x,
       {},
       {kSelect, kDeselect},
       AllItems(0, "Help"),
       0},
      {"deselect all when all are unchecked", either, {}, {kDeselect}, {}, 0},
  };
  for (const EndCase& c : cases) {
    for (int platform : c.platforms) {
      SCOPED_TRACE(std::string(c.label) + ", platform " + std::to_string(platform));
      StartMenuFixture b(platform);
      b.Arrange(c.start);
      for (Op op : c.ops) (op == kSelect ? b.form->Label9 : b.form->Label10).Click();
      EXPECT_EQ(b.ArrangedWith(c.end), b.Read());
      EXPECT_EQ(std::vector<std::string>(static_cast<std::size_t>(c.messages), kActiveDesktop),
                b.Messages());
      EXPECT_EQ(platform == kNt, b.Box("ChckHelp").enabled());
      EXPECT_EQ(platform == kNt, b.Box("ChckMyDocuments").enabled());
    }
  }
}

// The order of every change: the rules fill each group early, and the Active Desktop message
// comes after steps 1 to 11 have taken effect and before steps 13 to 15.
TEST(SelectAll, StepsAndTheMomentOfTheMessage) {
  struct Case {
    int platform;
    std::vector<std::string> events;
  };
  const std::string message = std::string("MsgBox: ") + kActiveDesktop;
  const Case cases[] = {
      {kNt,
       {"ChckFavorites=1", "ChckDocuments=1", "ChckMyDocuments=1", "ChckSettings=1",
        "ChckControlPanel=1", "ChckFind=1", "ChckHelp=1", "ChckRun=1", "ChckLogoff=1",
        "ChckClose=1", "ChckTaskbar=1", "ChckFolderOptions=1", "ChckActiveDesktop=1", message,
        "ChckActiveDesktop=0", "ChckWindowsUpdate=1", "ChckRecentDocuments=1"}},
      {k9x,
       {"ChckFavorites=1", "ChckDocuments=1", "ChckMyDocuments=2", "ChckSettings=1",
        "ChckControlPanel=1", "ChckFind=1", "ChckHelp=1", "ChckRun=1", "ChckLogoff=1",
        "ChckClose=1", "ChckTaskbar=1", "ChckFolderOptions=1", "ChckActiveDesktop=1", message,
        "ChckActiveDesktop=0", "ChckWindowsUpdate=1", "ChckMyDocuments=1",
        "ChckRecentDocuments=1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("platform " + std::to_string(c.platform));
    StartMenuFixture b(c.platform);
    b.Arrange({{"ChckADFeature", 1}});
    b.form->Label9.Click();
    EXPECT_EQ(c.events, b.p.host.events);
  }
}

}  // namespace
}  // namespace quillmar
