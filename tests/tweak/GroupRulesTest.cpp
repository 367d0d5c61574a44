#include <gtest/gtest.h>

#include <functional>
#include <random>

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
constexpr char kLogonKey[] = "Network\\Logon";
constexpr char kUserProfile[] =
    "At least one user profile must be created (in Control panel --> User profiles page)!";

const std::vector<int> kEither = {kNt, k9x, 0};
const std::vector<int> kNtOnly = {kNt};
const std::vector<int> k9xOnly = {k9x, 0};

using Action = std::function<void(StartMenuFixture&)>;

Action Click(const std::string& box) {
  return [box](StartMenuFixture& b) { b.Box("Chck" + box).Click(); };
}

Action Set(const std::string& box, int state) {
  return [box, state](StartMenuFixture& b) { b.Box("Chck" + box).SetValue(state); };
}

struct ClickCase {
  std::string label;
  std::vector<int> platforms;
  std::string start;
  Action action;
  std::string end;  // over the start; every other box keeps its state
  bool message;     // the Active Desktop message, once
};

std::vector<ClickCase> OneClickCases() {
  std::vector<ClickCase> cases = {
      {"check Settings", kEither, "", Click("Settings"), "Settings ControlPanel", false},
      {"uncheck Settings, three children and the feature off", kEither,
       "Settings ControlPanel Taskbar ActiveDesktop ADFeature", Click("Settings"),
       "Settings=0 ControlPanel=0 Taskbar=0 ActiveDesktop=0", false},
      {"uncheck Settings, every child", kEither,
       "Settings ControlPanel Taskbar FolderOptions ActiveDesktop WindowsUpdate", Click("Settings"),
       "Settings=0 ControlPanel=0 Taskbar=0 FolderOptions=0 ActiveDesktop=0 WindowsUpdate=0",
       false},
      {"check Active Desktop, feature on", kEither, "", Click("ActiveDesktop"),
       "ActiveDesktop Settings", false},
      {"check Active Desktop alone, feature off", kEither, "ADFeature", Click("ActiveDesktop"), "",
       true},
      {"check Active Desktop beside Taskbar, feature off", kEither, "ADFeature Settings Taskbar",
       Click("ActiveDesktop"), "", true},
      {"set a checked Active Desktop again, feature off", kEither,
       "ADFeature Settings ActiveDesktop", Set("ActiveDesktop", 1), "", false},
      {"check the feature under a checked Active Desktop", kEither, "Settings ActiveDesktop",
       Click("ADFeature"), "ADFeature", false},
      {"uncheck the feature", kEither, "ADFeature", Click("ADFeature"), "ADFeature=0", false},

      {"NT: check Documents", kNtOnly, "", Click("Documents"), "Documents MyDocuments", false},
      {"NT: uncheck Documents, both children", kNtOnly, "Documents MyDocuments RecentDocuments",
       Click("Documents"), "Documents=0 MyDocuments=0 RecentDocuments=0", false},
      {"NT: uncheck Documents, Recent", kNtOnly, "Documents RecentDocuments", Click("Documents"),
       "Documents=0 RecentDocuments=0", false},

      {"9x: check Documents", k9xOnly, "", Click("Documents"), "Documents MyDocuments=2", false},
      {"9x: check Documents over a checked My documents", k9xOnly, "MyDocuments",
       Click("Documents"), "Documents MyDocuments=2", false},
      {"9x: uncheck Documents", k9xOnly, "Documents MyDocuments=2 RecentDocuments",
       Click("Documents"), "Documents=0 MyDocuments=0 RecentDocuments=0", false},
      {"9x: check Recent, Documents unchecked", k9xOnly, "", Click("RecentDocuments"),
       "RecentDocuments Documents MyDocuments=2", false},
      {"9x: check Recent, Documents checked", k9xOnly, "Documents MyDocuments",
       Click("RecentDocuments"), "RecentDocuments", false},
      {"9x: uncheck Recent", k9xOnly, "Documents MyDocuments=2 RecentDocuments",
       Click("RecentDocuments"), "RecentDocuments=0", false},
      {"9x: My documents set from elsewhere", k9xOnly, "Documents", Set("MyDocuments", 1),
       "MyDocuments", false},
      {"9x: My documents cleared from elsewhere", k9xOnly,
       "Documents MyDocuments=2 RecentDocuments", Set("MyDocuments", 0), "MyDocuments=0", false},
  };
  cases.push_back({"check Taskbar", kEither, "", Click("Taskbar"), "Taskbar Settings", false});
  cases.push_back({"uncheck Windows Update alone", kEither, "ADFeature Settings WindowsUpdate",
                   Click("WindowsUpdate"), "WindowsUpdate=0 Settings=0", false});
  cases.push_back({"uncheck Active Desktop beside Folder options", kEither,
                   "Settings ActiveDesktop FolderOptions", Click("ActiveDesktop"),
                   "ActiveDesktop=0", false});
  for (const std::string c : {"RecentDocuments", "MyDocuments"}) {
    const std::string other = c == "MyDocuments" ? "RecentDocuments" : "MyDocuments";
    cases.push_back({"NT: check " + c, kNtOnly, "", Click(c), c + " Documents", false});
    cases.push_back({"NT: uncheck " + c + " alone", kNtOnly, "Documents " + c, Click(c),
                     c + "=0 Documents=0", false});
    cases.push_back({"NT: uncheck " + c + " beside " + other, kNtOnly,
                     "Documents " + c + " " + other, Click(c), c + "=0", false});
  }
  return cases;
}

TEST(GroupRules, EndStatesAfterOneUserClick) {
  for (const ClickCase& c : OneClickCases()) {
    for (int platform : c.platforms) {
      SCOPED_TRACE(c.label + ", platform " + std::to_string(platform));
      StartMenuFixture b(platform);
      b.Arrange(Boxes(c.start));
      c.action(b);
      EXPECT_EQ(b.ArrangedWith(Boxes(c.end)), b.Read());
      EXPECT_EQ(std::vector<std::string>(c.message ? 1 : 0, kActiveDesktop), b.Messages());
      if (c.message) {
        // The guard speaks only once Settings has followed the newly checked box.
        const States open = b.AtFirstMessage();
        EXPECT_EQ(1, open.at("ChckSettings"));
        EXPECT_EQ(1, open.at("ChckActiveDesktop"));
      }
      EXPECT_EQ(platform == kNt, b.Box("ChckMyDocuments").enabled());
      EXPECT_EQ(platform == kNt, b.Box("ChckHelp").enabled());
    }
  }
}

TEST(GroupRules, UserProfileCheck) {
  struct Case {
    const char* label;
    std::function<void(test::Program&)> store;
    bool kept;
  };
  const auto stored = [](const char* name, std::uint32_t type, std::string bytes) {
    return [name, type, bytes](test::Program& p) {
      RegHandle key = 0;
      ASSERT_EQ(kSuccess, p.registry.CreateKey(kLocalMachine, kLogonKey, key));
      p.registry.SetValue(key, name, type, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                          static_cast<std::uint32_t>(bytes.size()));
      p.registry.CloseKey(key);
    };
  };
  const std::string one("\1\0\0\0", 4);
  const Case cases[] = {
      {"number 1", stored("UserProfiles", kRegDword, one), true},
      {"text 1", stored("UserProfiles", kRegSz, std::string("1\0", 2)), true},
      {"number 0", stored("UserProfiles", kRegDword, std::string(4, '\0')), false},
      {"number 257", stored("UserProfiles", kRegDword, std::string("\1\1\0\0", 4)), false},
      {"text 0", stored("UserProfiles", kRegSz, std::string("0\0", 2)), false},
      {"text that is no number", stored("UserProfiles", kRegSz, std::string("yes\0", 4)), false},
      {"empty text", stored("UserProfiles", kRegSz, std::string("\0", 1)), false},
      {"binary 1", stored("UserProfiles", kRegBinary, one), false},
      {"missing value", stored("Other", kRegDword, one), false},
      {"missing key", [](test::Program&) {}, false},
      {"key denied",
       [&](test::Program& p) {
         stored("UserProfiles", kRegDword, one)(p);
         p.registry.SetAccess(kLocalMachine, kLogonKey, MemoryRegistry::Access::kNone);
       },
       false},
  };
  for (const Case& c : cases) {
    for (int platform : kEither) {
      SCOPED_TRACE(std::string(c.label) + ", platform " + std::to_string(platform));
      StartMenuFixture b(platform);
      b.Arrange({});
      c.store(b.p);
      b.Box("ChckDisableCancelButton").Click();
      EXPECT_EQ(b.ArrangedWith(Boxes(c.kept ? "DisableCancelButton" : "")), b.Read());
      EXPECT_EQ(std::vector<std::string>(c.kept ? 0 : 1, kUserProfile), b.Messages());
      if (!c.kept) {
        EXPECT_EQ(1, b.AtFirstMessage().at("ChckDisableCancelButton"));
      }
      EXPECT_EQ(0u, b.p.registry.OpenHandles());

      // Unchecking never asks the registry.
      b.Arrange(Boxes("DisableCancelButton"));
      b.p.module.LastRegResult = -77;
      b.Box("ChckDisableCancelButton").Click();
      EXPECT_EQ(0, b.Box("ChckDisableCancelButton").value());
      EXPECT_EQ(-77, b.p.module.LastRegResult);
      EXPECT_TRUE(b.Messages().empty());
    }
  }
}

bool AnyChecked(const States& s, const std::vector<std::string>& boxes) {
  for (const std::string& box : boxes)
    if (s.at("Chck" + box) == 1) return true;
  return false;
}

// Random user actions with a fixed seed; after each one the groups must be consistent again.
TEST(GroupRules, InvariantsHoldAfterEveryAction) {
  std::vector<std::string> clickable = test::WatchedBoxes();
  clickable.pop_back();  // the user-profile check has a test of its own
  for (int platform : {kNt, k9x}) {
    SCOPED_TRACE("platform " + std::to_string(platform));
    StartMenuFixture b(platform);
    b.Arrange({});
    std::mt19937 random(20240611u + static_cast<unsigned>(platform));
    for (int step = 0; step < 4000; ++step) {
      const States before = b.Read();
      const std::size_t pick = random() % (clickable.size() + 2);
      const bool bulk = pick >= clickable.size();
      if (pick == clickable.size()) {
        b.form->Label9.Click();
      } else if (bulk) {
        b.form->Label10.Click();
      } else if (b.Box(clickable[pick]).enabled()) {
        b.Box(clickable[pick]).Click();
      } else {
        continue;
      }
      SCOPED_TRACE("step " + std::to_string(step) + ", action " + std::to_string(pick));
      const States s = b.Read();
      ASSERT_EQ(AnyChecked(s, {"ControlPanel", "Taskbar", "FolderOptions", "ActiveDesktop",
                               "WindowsUpdate"}),
                s.at("ChckSettings") == 1);
      ASSERT_NE(2, s.at("ChckSettings"));
      if (platform == kNt) {
        ASSERT_EQ(AnyChecked(s, {"RecentDocuments", "MyDocuments"}), s.at("ChckDocuments") == 1);
        for (const std::string& e : b.p.host.events) {
          ASSERT_EQ(std::string::npos, e.find("=2")) << e;
        }
      } else {
        if (s.at("ChckRecentDocuments") == 1) {
          ASSERT_EQ(1, s.at("ChckDocuments"));
        }
        // My documents follows its parent only when the parent changes.
        const bool documents_changed = s.at("ChckDocuments") != before.at("ChckDocuments");
        if (documents_changed && pick != clickable.size()) {
          ASSERT_EQ(s.at("ChckDocuments") == 1 ? 2 : 0, s.at("ChckMyDocuments"));
        }
        if (!documents_changed && !bulk) {
          ASSERT_EQ(before.at("ChckMyDocuments"), s.at("ChckMyDocuments"));
        }
      }
      ASSERT_EQ(2, s.at("Check1"));
      const std::vector<std::string> messages = b.Messages();
      ASSERT_LE(messages.size(), 1u);
      if (!messages.empty()) {
        ASSERT_EQ(kActiveDesktop, messages[0]);
        ASSERT_EQ(0, s.at("ChckActiveDesktop"));
      }
      ASSERT_LE(b.max_depth, 8);
      b.p.host.events.clear();
      b.max_depth = 0;
    }
  }
}

}  // namespace
}  // namespace quillmar
