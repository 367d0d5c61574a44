#include <gtest/gtest.h>

#include <optional>

#include "tests/support/HeadlessHost.h"

namespace quillmar {
namespace {

using test::kExplorer;
using test::Number;
using test::Raw;
using test::Text;

ui::CheckBox& Box(Form4& form, const char* name) {
  return dynamic_cast<ui::CheckBox&>(*form.Find(name));
}

TEST(Load, NothingStored) {
  for (int platform : {2, 1, 3}) {
    SCOPED_TRACE(platform);
    test::Program p;
    p.Armed([&] { p.Load(platform); });
    const Form4& f = *p.tweak;
    const bool nt = platform == 2;
    EXPECT_EQ(platform, p.module.OsPlatform);
    for (const char* box : {"ChckFavorites", "ChckHelp", "ChckSettings", "ChckRecentDocuments"})
      EXPECT_EQ(1, Box(*p.tweak, box).value()) << box;
    EXPECT_EQ(0, f.ChckHide.value());
    EXPECT_EQ(nt, f.ChckHelp.enabled());
    EXPECT_EQ(nt, f.ChckMyDocuments.enabled());
    EXPECT_EQ("32", f.Txtpix.text());
    EXPECT_EQ(32, f.Slider1.value());
    EXPECT_EQ("", f.TxtName.text() + f.TxtCompany.text());
    EXPECT_EQ(0, f.List1.ListCount() + p.module.TypedUrlCount);
    EXPECT_TRUE(f.OptPrompt1.value());
    EXPECT_EQ(0, p.host.Count("MsgBox"));
    for (const auto& call : p.registry.calls) EXPECT_TRUE(call.op != 'W' && call.op != 'D');
  }
}

// States of ChckDocuments, ChckMyDocuments, ChckRecentDocuments after the load.
TEST(Load, DocumentsGroupEndStates) {
  struct Case {
    int values[3];  // NoRecentDocsMenu, NoSMMyDocs, NoRecentDocsHistory: 1 or anything else
    int nt[3];
    int nine_x[3];
  };
  const Case cases[] = {
      {{0, 0, 0}, {1, 1, 1}, {1, 1, 1}}, {{0, 0, 1}, {1, 1, 0}, {1, 1, 0}},
      {{0, 1, 0}, {1, 0, 1}, {1, 0, 1}}, {{0, 1, 1}, {0, 0, 0}, {1, 0, 0}},
      {{1, 0, 0}, {1, 1, 1}, {1, 2, 1}}, {{1, 0, 1}, {1, 1, 0}, {0, 1, 0}},
      {{1, 1, 0}, {1, 0, 1}, {1, 2, 1}}, {{1, 1, 1}, {0, 0, 0}, {0, 0, 0}},
  };
  const char* names[] = {"NoRecentDocsMenu", "NoSMMyDocs", "NoRecentDocsHistory"};
  for (const Case& c : cases) {
    for (int platform : {2, 1}) {
      SCOPED_TRACE(std::to_string(c.values[0]) + std::to_string(c.values[1]) +
                   std::to_string(c.values[2]) + " on " + std::to_string(platform));
      test::Program p;
      // A value other than 1 is the number 0 for the middle one, and missing for the others.
      for (int i = 0; i < 3; ++i)
        if (c.values[i] == 1 || i == 1)
          test::Store(p.registry, kCurrentUser, kExplorer, names[i], Number(c.values[i]));
      Form4& f = p.Load(platform);
      const int* want = platform == 2 ? c.nt : c.nine_x;
      EXPECT_EQ(want[0], f.ChckDocuments.value());
      EXPECT_EQ(want[1], f.ChckMyDocuments.value());
      EXPECT_EQ(want[2], f.ChckRecentDocuments.value());
    }
  }
}

// End states that come only from the order of the steps and the rules they start.
TEST(Load, OrderConsequences) {
  struct Case {
    std::vector<const char*> ones;  // Explorer policy values stored as 1
    bool validated;                 // MustBeValidated 1, without UserProfiles
    std::map<const char*, int> states;
  };
  const Case cases[] = {
      {{"NoSetFolders", "NoSetTaskbar", "NoFolderOptions", "NoSetActiveDesktop", "NoWindowsUpdate"},
       false,
       {{"ChckSettings", 0}}},
      {{"NoActiveDesktop"}, false, {{"ChckActiveDesktop", 1}, {"ChckADFeature", 1}}},
      {{"ClearRecentDocsOnExit"}, false, {{"ChckRecentDocuments", 1}}},
      {{}, true, {{"ChckDisableCancelButton", 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.states.begin()->first);
    test::Program p;
    for (const char* name : c.ones)
      test::Store(p.registry, kCurrentUser, kExplorer, name, Number(1));
    if (c.validated)
      test::Store(p.registry, kLocalMachine, test::kLogon, "MustBeValidated", Number(1));
    Form4& form = p.Load();
    for (const auto& [box, state] : c.states) EXPECT_EQ(state, Box(form, box).value()) << box;
    EXPECT_EQ(c.validated ? 1 : 0, p.host.Count("MsgBox"));
    EXPECT_EQ(c.validated ? 1 : 0, p.host.Count("MsgBox: At least one user profile must be"));
  }
}

TEST(Load, IconSize) {
  struct Case {
    std::optional<Raw> stored;
    const char* text;
    int slider;
  };
  const Case cases[] = {
      {std::nullopt, "32", 32}, {Number(48), "48", 48},      {Text("101"), "101", 0},
      {Text("47.6"), "48", 48}, {Text("2.5"), "2", 2},       {Text("4.5.6"), "4.5.6", 0},
      {Text(""), "32", 32},     {Text("100.6"), "100.6", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    test::Program p;
    if (c.stored)
      test::Store(p.registry, kCurrentUser, test::kMetrics, "Shell Icon Size", *c.stored);
    Form4& f = p.Load();
    EXPECT_EQ(c.text, f.Txtpix.text());
    EXPECT_EQ(c.slider, f.Slider1.value());
  }
}

TEST(Load, LogOffChoiceAndTexts) {
  struct Case {
    std::optional<Raw> log_off, name;
    int selected;  // 0 OptPrompt1, 1 OptDontPromptAndLogOff1, 2 OptDontPromptAndDontLogOff1
    const char* text;
  };
  const Case cases[] = {
      {Text("Prompt"), Text("Ann Smith"), 0, "Ann Smith"},
      {Text("NoPromptLogOff"), Number(7), 1, "7"},
      {Text("NoPromptNoLogOff"), std::nullopt, 2, ""},
      {Text("noPromptNoLogOff"), Text(" padded "), 0, " padded "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    test::Program p;
    if (c.log_off) test::Store(p.registry, kCurrentUser, test::kProgram, "LogOffBox", *c.log_off);
    for (const char* value : {"DefName", "DefCompany"})
      if (c.name) test::Store(p.registry, kCurrentUser, test::kUserInfo, value, *c.name);
    test::Store(p.registry, kLocalMachine, test::kVersion, "RegisteredOwner", Text("Owner"));
    Form4& f = p.Load();
    const ui::OptionButton* options[] = {&f.OptPrompt1, &f.OptDontPromptAndLogOff1,
                                         &f.OptDontPromptAndDontLogOff1};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(i == c.selected, options[i]->value()) << i;
    EXPECT_EQ(c.text, f.TxtName.text());
    EXPECT_EQ(c.text, f.TxtCompany.text());
  }
}

// A few boxes of each rule and key, as the settings are documented for users: loaded from each
// stored form, then applied unchanged.
TEST(Catalogue, BoxesLoadAndApply) {
  struct Sample {
    const char* control;
    RegHandle root;
    const char* path;
    const char* value;
    bool show_item;
  };
  const Sample samples[] = {
      {"ChckFind", kCurrentUser, kExplorer, "NoFind", true},
      {"ChckRecentDocuments", kCurrentUser, kExplorer, "NoRecentDocsHistory", true},
      {"ChckDontSave", kCurrentUser, kExplorer, "NoSaveSettings", false},
      {"ChckDisableRegistry", kCurrentUser, test::kSystem, "DisableRegistryTools", false},
      {"ChckDisableCancelButton", kLocalMachine, test::kLogon, "MustBeValidated", false},
      {"ChckDenyUserProfiles", kCurrentUser, test::kSystem, "NoProfilePage", false},
  };
  const std::pair<std::optional<Raw>, bool> forms[] = {{Number(1), true},
                                                       {Text(" 1 "), true},
                                                       {Number(257), false},
                                                       {Text("yes"), false},
                                                       {std::nullopt, false}};
  for (const Sample& s : samples) {
    for (std::size_t i = 0; i < std::size(forms); ++i) {
      SCOPED_TRACE(std::string(s.control) + ", stored form " + std::to_string(i));
      const auto& [raw, one] = forms[i];
      test::Program p;
      test::Store(p.registry, kLocalMachine, test::kLogon, "UserProfiles", Number(1));
      if (raw) test::Store(p.registry, s.root, s.path, s.value, *raw);
      Form4& f = p.Load();
      EXPECT_EQ(one != s.show_item ? 1 : 0, Box(f, s.control).value());
      f.BtnApply.Click();
      EXPECT_EQ(RegValue(one ? 1 : 0), p.module.QueryValue(s.root, s.path, s.value));
      EXPECT_EQ(p.module.QueryValue(kCurrentUser, kExplorer, "NoRecentDocsHistory"),
                p.module.QueryValue(kCurrentUser, kExplorer, "ClearRecentDocsOnExit"));
    }
  }
}

// Every row names a control that the window has, of the kind its routine works on.
TEST(Catalogue, EveryRowHasItsControl) {
  const std::map<Routine, ui::Kind> kinds = {
      {Routine::kBox, ui::Kind::kCheckBox},
      {Routine::kActiveDesktopOverride, ui::Kind::kCheckBox},
      {Routine::kIconSize, ui::Kind::kTextBox},
      {Routine::kBitmapType, ui::Kind::kCheckBox},
      {Routine::kBitmapIcon, ui::Kind::kCheckBox},
      {Routine::kSavedBitmapType, ui::Kind::kCheckBox},
      {Routine::kText, ui::Kind::kTextBox},
      {Routine::kTypedUrls, ui::Kind::kListBox},
      {Routine::kLogOffChoice, ui::Kind::kOptionButton},
  };
  test::Program p;
  const Form4& form = p.Load();
  for (const Row& row : kCatalogue) {
    if (row.routine == Routine::kElsewhere) continue;
    const ui::Control* control = form.Find(row.control);
    ASSERT_NE(nullptr, control) << row.control;
    EXPECT_EQ(kinds.at(row.routine), control->kind()) << row.control;
  }
}

}  // namespace
}  // namespace quillmar
