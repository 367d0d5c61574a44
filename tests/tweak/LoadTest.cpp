#include <gtest/gtest.h>

#include "tests/support/HeadlessHost.h"

namespace quillmar::test {
namespace {

const std::string kUserProfileMessage =
    "MsgBox: At least one user profile must be created (in Control panel --> User profiles page)!";

// ChckDocuments, ChckMyDocuments and ChckRecentDocuments: 0 unchecked, 1 checked, 2 grey.
struct Documents {
  int documents, my_documents, recent_documents;
  bool operator==(const Documents&) const = default;
};

// The group's end states come from its rules running as the load sets each box.
TEST(Load, DocumentsGroupEndStates) {
  // NoRecentDocsMenu, NoSMMyDocs and NoRecentDocsHistory as stored.
  const struct {
    int menu, my_docs, history;
    Documents nt, win9x;
  } cases[] = {
      {.menu = 0, .my_docs = 0, .history = 0, .nt = {1, 1, 1}, .win9x = {1, 1, 1}},
      {.menu = 0, .my_docs = 0, .history = 1, .nt = {1, 1, 0}, .win9x = {1, 1, 0}},
      {.menu = 0, .my_docs = 1, .history = 0, .nt = {1, 0, 1}, .win9x = {1, 0, 1}},
      {.menu = 0, .my_docs = 1, .history = 1, .nt = {0, 0, 0}, .win9x = {1, 0, 0}},
      {.menu = 1, .my_docs = 0, .history = 0, .nt = {1, 1, 1}, .win9x = {1, 2, 1}},
      {.menu = 1, .my_docs = 0, .history = 1, .nt = {1, 1, 0}, .win9x = {0, 1, 0}},
      {.menu = 1, .my_docs = 1, .history = 0, .nt = {1, 0, 1}, .win9x = {1, 2, 1}},
      {.menu = 1, .my_docs = 1, .history = 1, .nt = {0, 0, 0}, .win9x = {0, 0, 0}},
  };
  for (const auto& c : cases) {
    for (const int platform : {kNt, k9x}) {
      SCOPED_TRACE(testing::Message() << c.menu << c.my_docs << c.history << " on " << platform);
      Program p;
      p.Store(kExplorer, "NoRecentDocsMenu", Dword(c.menu));
      p.Store(kExplorer, "NoSMMyDocs", Dword(c.my_docs));
      p.Store(kExplorer, "NoRecentDocsHistory", Dword(c.history));
      const Form4& f = p.Load(platform);
      const Documents loaded{f.ChckDocuments.value(), f.ChckMyDocuments.value(),
                             f.ChckRecentDocuments.value()};
      EXPECT_EQ(platform == kNt ? c.nt : c.win9x, loaded);
    }
  }
}

// Every platform but NT is a 9x one.
TEST(Load, HelpAndMyDocumentsAreDisabledOn9x) {
  for (const int platform : {kNt, k9x, 0, 3}) {
    Program p;
    const Form4& f = p.Load(platform);
    EXPECT_EQ(platform == kNt, f.ChckHelp.enabled()) << platform;
    EXPECT_EQ(platform == kNt, f.ChckMyDocuments.enabled()) << platform;
  }
}

TEST(Load, NothingStoredShowsTheDefaults) {
  Program p;
  const Form4& f = p.Load();
  for (const ui::CheckBox* shown : {&f.ChckFavorites, &f.ChckHelp, &f.ChckSettings})
    EXPECT_EQ(kChecked, shown->value()) << shown->name();
  for (const ui::CheckBox* off : {&f.ChckHide, &f.ChckThumbnails, &f.ChckDenyPasswords})
    EXPECT_EQ(kUnchecked, off->value()) << off->name();
  EXPECT_EQ("32", f.Txtpix.text());
  EXPECT_EQ(32, f.Slider1.value());
  EXPECT_EQ("", f.TxtName.text());
  EXPECT_EQ(0, f.List1.ListCount());
  EXPECT_TRUE(f.OptPrompt1.value());
  EXPECT_EQ(std::vector<std::string>{}, p.host.events);
}

// A value turns into its control's state, with the rules that setting it runs.
TEST(Load, StoredValuesBecomeStates) {
  const struct {
    Key key;
    const char* name;
    Raw stored;
    const char* control;
    int state;
  } cases[] = {
      {kExplorer, "NoFind", Dword(1), "ChckFind", kUnchecked},
      {kExplorer, "NoFind", Sz("1"), "ChckFind", kUnchecked},
      {kExplorer, "NoFind", Dword(257), "ChckFind", kChecked},
      {kExplorer, "NoFind", Sz("yes"), "ChckFind", kChecked},
      {kSystem, "DisableRegistryTools", Sz(" 1 "), "ChckDisableRegistry", kChecked},
      {kExplorer, "NoDesktop", Sz("1"), "ChckHide", kChecked},
      // The item is set before the feature, so its guard never refuses it at the load.
      {kExplorer, "NoActiveDesktop", Dword(1), "ChckActiveDesktop", kChecked},
      // Only the history's own value sets the box.
      {kExplorer, "ClearRecentDocsOnExit", Dword(1), "ChckRecentDocuments", kChecked},
      // Without user profiles the restriction is refused.
      {kLogon, "MustBeValidated", Dword(1), "ChckDisableCancelButton", kUnchecked},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Program p;
    p.Store(c.key, c.name, c.stored);
    EXPECT_EQ(c.state, p.Load().Get<ui::CheckBox>(c.control).value());
  }
}

TEST(Load, SettingsFollowItsChildren) {
  Program p;
  for (const char* child :
       {"NoSetFolders", "NoSetTaskbar", "NoFolderOptions", "NoSetActiveDesktop", "NoWindowsUpdate"})
    p.Store(kExplorer, child, Dword(1));
  EXPECT_EQ(kUnchecked, p.Load().ChckSettings.value());
}

// The slider takes the size when it is a number from 0 to 100, the nearest for a fraction, and
// then writes it back in its plain form; otherwise it stays where it was.
TEST(Load, IconSizeSetsTheSlider) {
  const struct {
    Raw stored;
    const char* text;
    int slider;
  } cases[] = {
      {Sz("48"), "48", 48},  {Dword(48), "48", 48},     {Sz("47.6"), "48", 48},
      {Sz("2.5"), "2", 2},   {Sz(" 7 "), "7", 7},       {Sz(""), "32", 32},
      {Sz("101"), "101", 0}, {Sz("4.5.6"), "4.5.6", 0},
  };
  for (const auto& c : cases) {
    Program p;
    p.Store(kMetrics, "Shell Icon Size", c.stored);
    const Form4& f = p.Load();
    EXPECT_EQ(c.text, f.Txtpix.text());
    EXPECT_EQ(c.slider, f.Slider1.value()) << c.text;
  }
}

TEST(Load, LogOffChoiceMustMatchExactly) {
  const struct {
    Raw stored;
    const char* selected;
  } cases[] = {
      {Sz("NoPromptNoLogOff"), "OptDontPromptAndDontLogOff1"},
      {Sz("NoPromptLogOff"), "OptDontPromptAndLogOff1"},
      {Sz("noPromptNoLogOff"), "OptPrompt1"},
      {Dword(1), "OptPrompt1"},
  };
  for (const auto& c : cases) {
    Program p;
    p.Store(kProgram, "LogOffBox", c.stored);
    EXPECT_TRUE(p.Load().Get<ui::OptionButton>(c.selected).value()) << c.selected;
  }
}

TEST(Load, ShowsOnlyTheUserProfileMessage) {
  Program p;
  p.Store(kLogon, "MustBeValidated", Dword(1));
  p.Store(kExplorer, "NoActiveDesktop", Dword(1));
  p.Store(kExplorer, "NoSetActiveDesktop", Dword(0));
  p.Load();
  EXPECT_EQ(std::vector<std::string>{kUserProfileMessage}, p.host.events);
}

TEST(Load, WritesNothing) {
  Program p;
  for (const char* name : {"NoFind", "NoDesktop", "NoActiveDesktop"})
    p.Store(kExplorer, name, Dword(1));
  p.Store(kUrls, "url1", Sz("http://a/"));
  p.Armed([&] { p.Load(); });
  EXPECT_EQ(0, p.registry.Writes());
}

}  // namespace
}  // namespace quillmar::test
