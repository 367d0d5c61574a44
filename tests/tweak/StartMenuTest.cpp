#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <stdexcept>

#include "tests/support/HeadlessHost.h"
#include "tweak/Form4.h"

namespace quillmar {
namespace {

constexpr int kNt = 2;
constexpr int k9x = 1;
const std::vector<int> kEither = {kNt, k9x};

const std::string kActiveDesktop =
    "MsgBox: Active Desktop feature must be enabled (in Desktop + Special tab)!";
const std::string kUserProfile =
    "MsgBox: At least one user profile must be created (in Control panel --> User profiles page)!";

// The boxes the rules watch or set, without their "Chck" prefix; the first fifteen in the order
// Select all and Deselect all set them.
const std::string kItems =
    "Favorites Documents Settings Find Help Run Logoff Close ControlPanel Taskbar FolderOptions "
    "ActiveDesktop WindowsUpdate MyDocuments RecentDocuments";
const std::string kWatched = kItems + " ADFeature DisableCancelButton";

using States = std::map<std::string, int>;

// "Settings MyDocuments=2": each named box in the state after "=", checked when none is given.
States Parse(const std::string& text) {
  States states;
  std::size_t at = 0;
  while ((at = text.find_first_not_of(' ', at)) != std::string::npos) {
    const std::size_t end = std::min(text.find(' ', at), text.size());
    const std::string word = text.substr(at, end - at);
    const std::size_t eq = word.find('=');
    states[word.substr(0, eq)] = eq == std::string::npos ? 1 : std::stoi(word.substr(eq + 1));
    at = end;
  }
  return states;
}

// The names of a list, in its order.
std::vector<std::string> Names(const std::string& text) {
  std::vector<std::string> names;
  std::istringstream words(text);
  for (std::string word; words >> word;) names.push_back(word);
  return names;
}

// A loaded tweak window whose watched boxes were put into the given states without a rule
// running; from then on every change of a box and every message is logged in order.
class Page {
 public:
  Page(int platform, const std::string& start) {
    p.host.platform_id = platform;
    form = &dynamic_cast<Form4&>(*p.forms.Load("Form4"));
    States states = Parse(start);
    for (const std::string& name : Names(kWatched)) {
      ui::CheckBox& box = Box(name);
      auto rule = std::move(box.OnClick);
      box.OnClick = nullptr;
      box.SetValue(states.count(name) != 0 ? states[name] : 0);
      box.SetMirror([this, &box, name] {
        p.host.events.push_back(name + "=" + std::to_string(box.value()));
      });
      // A runaway nesting of rules fails the test instead of the stack.
      box.OnClick = [this, rule = std::move(rule)] {
        if (++depth > 16) throw std::runtime_error("rule runs nest without end");
        if (rule) rule();
        --depth;
      };
    }
    arranged = Read();
    p.host.events.clear();
  }

  ui::CheckBox& Box(const std::string& name) {
    return dynamic_cast<ui::CheckBox&>(*form->Find("Chck" + name));
  }
  States Read() {
    States states;
    for (const std::string& name : Names(kWatched)) states[name] = Box(name).value();
    states["Check1"] = form->Check1.value();
    return states;
  }
  // The arranged states with the given changes over them.
  States With(const std::string& changes) const {
    States states = arranged;
    for (const auto& [name, state] : Parse(changes)) states[name] = state;
    return states;
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> messages;
    for (const std::string& e : p.host.events)
      if (e.rfind("MsgBox: ", 0) == 0) messages.push_back(e);
    return messages;
  }

  test::Program p;
  Form4* form = nullptr;
  States arranged;
  int depth = 0;
};

using Action = std::function<void(Page&)>;
Action Click(const std::string& box) {
  return [box](Page& page) { page.Box(box).Click(); };
}
const Action kSelectAll = [](Page& page) { page.form->Label9.Click(); };
const Action kDeselectAll = [](Page& page) { page.form->Label10.Click(); };

// "Click Documents", "Set MyDocuments=1", "SelectAll" or "DeselectAll", in turn.
void Act(Page& page, const std::string& actions) {
  std::size_t at = 0;
  while (at < actions.size()) {
    const std::size_t end = std::min(actions.find(',', at), actions.size());
    const std::string action = actions.substr(at, end - at);
    const std::size_t blank = action.find(' ');
    const std::string verb = action.substr(0, blank);
    if (verb == "SelectAll") kSelectAll(page);
    if (verb == "DeselectAll") kDeselectAll(page);
    if (verb == "Click") Click(action.substr(blank + 1))(page);
    if (verb == "Set")
      for (const auto& [name, state] : Parse(action.substr(blank + 1)))
        page.Box(name).SetValue(state);
    at = end + 1;
  }
}

struct Case {
  const char* platforms;  // "NT", "9x" or "both"
  std::string start;
  const char* actions;
  std::string end;  // over the start; every other box keeps its state
  int messages;     // Active Desktop messages
};

const std::string kNone =
    "Favorites=0 Documents=0 Settings=0 Find=0 Help=0 Run=0 Logoff=0 Close=0 ControlPanel=0 "
    "Taskbar=0 FolderOptions=0 ActiveDesktop=0 WindowsUpdate=0 MyDocuments=0 RecentDocuments=0";

const Case kCases[] = {
    {"both", "", "Click Settings", "Settings ControlPanel", 0},
    {"both", "Settings ControlPanel Taskbar ActiveDesktop ADFeature", "Click Settings",
     "Settings=0 ControlPanel=0 Taskbar=0 ActiveDesktop=0", 0},
    {"both", "", "Click Taskbar", "Taskbar Settings", 0},
    {"both", "Settings WindowsUpdate", "Click WindowsUpdate", "WindowsUpdate=0 Settings=0", 0},
    {"both", "Settings ActiveDesktop FolderOptions", "Click ActiveDesktop", "ActiveDesktop=0", 0},
    {"both", "", "Click ActiveDesktop", "ActiveDesktop Settings", 0},
    {"both", "ADFeature Settings Taskbar", "Click ActiveDesktop", "", 1},
    {"both", "ADFeature Settings ActiveDesktop", "Set ActiveDesktop", "", 0},
    {"both", "Settings ActiveDesktop", "Click ADFeature", "ADFeature", 0},
    {"NT", "", "Click Documents", "Documents MyDocuments", 0},
    {"NT", "Documents MyDocuments RecentDocuments", "Click Documents",
     "Documents=0 MyDocuments=0 RecentDocuments=0", 0},
    {"NT", "", "Click RecentDocuments", "RecentDocuments Documents", 0},
    {"NT", "Documents MyDocuments", "Click MyDocuments", "MyDocuments=0 Documents=0", 0},
    {"NT", "Documents MyDocuments RecentDocuments", "Click RecentDocuments", "RecentDocuments=0",
     0},
    {"9x", "MyDocuments", "Click Documents", "Documents MyDocuments=2", 0},
    {"9x", "Documents MyDocuments=2 RecentDocuments", "Click Documents",
     "Documents=0 MyDocuments=0 RecentDocuments=0", 0},
    {"9x", "", "Click RecentDocuments", "RecentDocuments Documents MyDocuments=2", 0},
    {"9x", "Documents RecentDocuments", "Click RecentDocuments", "RecentDocuments=0", 0},
    {"9x", "Documents", "Set MyDocuments", "MyDocuments", 0},
    {"both", "Find Documents RecentDocuments", "SelectAll", kItems, 0},
    {"both", "ADFeature", "SelectAll,SelectAll", kItems + " ActiveDesktop=0", 2},
    {"both", "ADFeature Settings ActiveDesktop", "SelectAll", kItems, 0},
    {"both", kItems + " ADFeature", "SelectAll", "", 0},
    {"NT", "DisableCancelButton", "SelectAll,DeselectAll", kNone, 0},
    {"9x", "Help=2 Find", "DeselectAll", kNone + " Help=2", 0},
};

TEST(StartMenu, EndStates) {
  for (const Case& c : kCases) {
    for (int platform : {kNt, k9x}) {
      const std::string on = c.platforms;
      if (on != "both" && on != (platform == kNt ? "NT" : "9x")) continue;
      SCOPED_TRACE(c.start + " / " + c.actions + " on " + on);
      Page page(platform, c.start);
      Act(page, c.actions);
      EXPECT_EQ(page.With(c.end), page.Read());
      EXPECT_EQ(std::vector<std::string>(static_cast<std::size_t>(c.messages), kActiveDesktop),
                page.Messages());
      EXPECT_EQ(platform == kNt, page.Box("MyDocuments").enabled());
    }
  }
}

// Every change in order: the rules fill each group early, and each guard speaks only after the
// parent has followed the box it refuses.
TEST(StartMenu, OrderOfChanges) {
  struct Order {
    int platform;
    std::string start;
    Action action;
    std::vector<std::string> events;
  };
  const Order cases[] = {
      {kNt,
       "ADFeature",
       Click("ActiveDesktop"),
       {"ActiveDesktop=1", "Settings=1", kActiveDesktop, "ActiveDesktop=0", "Settings=0"}},
      {kNt,
       "",
       Click("DisableCancelButton"),
       {"DisableCancelButton=1", kUserProfile, "DisableCancelButton=0"}},
      {kNt,
       "ADFeature",
       kSelectAll,
       {"Favorites=1", "Documents=1", "MyDocuments=1", "Settings=1", "ControlPanel=1", "Find=1",
        "Help=1", "Run=1", "Logoff=1", "Close=1", "Taskbar=1", "FolderOptions=1", "ActiveDesktop=1",
        kActiveDesktop, "ActiveDesktop=0", "WindowsUpdate=1", "RecentDocuments=1"}},
      {k9x,
       "ADFeature",
       kSelectAll,
       {"Favorites=1", "Documents=1", "MyDocuments=2", "Settings=1", "ControlPanel=1", "Find=1",
        "Help=1", "Run=1", "Logoff=1", "Close=1", "Taskbar=1", "FolderOptions=1", "ActiveDesktop=1",
        kActiveDesktop, "ActiveDesktop=0", "WindowsUpdate=1", "MyDocuments=1",
        "RecentDocuments=1"}},
  };
  for (const Order& c : cases) {
    SCOPED_TRACE(c.platform);
    Page page(c.platform, c.start);
    c.action(page);
    EXPECT_EQ(c.events, page.p.host.events);
  }
}

TEST(StartMenu, UserProfileCheck) {
  struct Stored {
    const char* label;
    std::optional<test::Raw> value;
    bool kept;
  };
  const Stored cases[] = {
      {"number 1", test::Number(1), true},
      {"text 1", test::Text("1"), true},
      {"number 257", test::Number(257), false},
      {"text that is no number", test::Text("yes"), false},
      {"missing", std::nullopt, false},
  };
  for (const Stored& c : cases) {
    SCOPED_TRACE(c.label);
    Page page(kNt, "");
    if (c.value)
      test::Store(page.p.registry, kLocalMachine, test::kLogon, "UserProfiles", *c.value);
    page.Box("DisableCancelButton").Click();
    EXPECT_EQ(c.kept ? 1 : 0, page.Box("DisableCancelButton").value());
    EXPECT_EQ(std::vector<std::string>(c.kept ? 0 : 1, kUserProfile), page.Messages());
  }
  // Unchecking never asks the registry.
  Page page(kNt, "DisableCancelButton");
  page.p.module.LastRegResult = -77;
  page.Box("DisableCancelButton").Click();
  EXPECT_EQ(-77, page.p.module.LastRegResult);
}

bool AnyChecked(const States& s, const std::vector<std::string>& boxes) {
  for (const std::string& box : boxes)
    if (s.at(box) == 1) return true;
  return false;
}

// Random user actions with a fixed seed; after each one the groups must be consistent again.
TEST(StartMenu, InvariantsHoldAfterEveryAction) {
  for (int platform : kEither) {
    SCOPED_TRACE("platform " + std::to_string(platform));
    Page page(platform, "");
    const std::vector<std::string> boxes = Names(kWatched);
    std::mt19937 random(20240611u + static_cast<unsigned>(platform));
    for (int step = 0; step < 3000; ++step) {
      const States before = page.Read();
      const std::size_t pick = random() % (boxes.size() + 2);
      const bool bulk = pick >= boxes.size();
      if (pick == boxes.size()) {
        kSelectAll(page);
      } else if (bulk) {
        kDeselectAll(page);
      } else if (page.Box(boxes[pick]).enabled()) {
        page.Box(boxes[pick]).Click();
      }
      SCOPED_TRACE("step " + std::to_string(step) + ", action " + std::to_string(pick));
      const States s = page.Read();
      ASSERT_EQ(AnyChecked(s, {"ControlPanel", "Taskbar", "FolderOptions", "ActiveDesktop",
                               "WindowsUpdate"}),
                s.at("Settings") == 1);
      ASSERT_EQ(2, s.at("Check1"));
      if (platform == kNt) {
        ASSERT_EQ(AnyChecked(s, {"RecentDocuments", "MyDocuments"}), s.at("Documents") == 1);
      } else {
        ASSERT_TRUE(s.at("RecentDocuments") != 1 || s.at("Documents") == 1);
        // My documents follows its parent only when the parent changes.
        if (!bulk && s.at("Documents") == before.at("Documents")) {
          ASSERT_EQ(before.at("MyDocuments"), s.at("MyDocuments"));
        }
      }
      const std::vector<std::string> messages = page.Messages();
      ASSERT_LE(messages.size(), 1u);
      ASSERT_TRUE(messages.empty() || messages[0] != kActiveDesktop || s.at("ActiveDesktop") == 0);
      page.p.host.events.clear();
    }
  }
}

}  // namespace
}  // namespace quillmar
