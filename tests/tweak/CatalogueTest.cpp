#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "tests/support/HeadlessHost.h"
#include "tests/support/KeyPaths.h"
#include "tests/support/RecordingRegistry.h"
#include "tweak/Catalogue.h"
#include "tweak/Form4.h"

namespace quillmar {
namespace {

using test::kExplorer;
using test::kLogon;
using test::kSystem;

using test::Number;
using test::Raw;
using test::Text;

Form4& Load(test::Program& p) {
  test::Store(p.registry, kLocalMachine, kLogon, "UserProfiles", Number(1));
  return dynamic_cast<Form4&>(*p.forms.Load("Form4"));
}

ui::CheckBox& Box(Form4& form, const char* name) {
  return dynamic_cast<ui::CheckBox&>(*form.Find(name));
}

// A few boxes of each rule and key, as the settings are documented for users.
struct CheckRow {
  const char* control;
  RegHandle root;
  const char* path;
  const char* value;
  bool show_item;
};
const CheckRow kSampled[] = {
    {"ChckFind", kCurrentUser, kExplorer, "NoFind", true},
    {"ChckWindowsUpdate", kCurrentUser, kExplorer, "NoWindowsUpdate", true},
    {"ChckDontSave", kCurrentUser, kExplorer, "NoSaveSettings", false},
    {"ChckDisableRegistry", kCurrentUser, kSystem, "DisableRegistryTools", false},
    {"ChckDisableCancelButton", kLocalMachine, kLogon, "MustBeValidated", false},
    {"ChckDenyUserProfiles", kCurrentUser, kSystem, "NoProfilePage", false},
};

TEST(Catalogue, BoxesLoadFromTheirValues) {
  struct Stored {
    const char* label;
    std::optional<Raw> raw;
    bool one;
  };
  const Stored forms[] = {
      {"number 1", Number(1), true},      {"text 1 in blanks", Text(" 1 "), true},
      {"number 257", Number(257), false}, {"other text", Text("yes"), false},
      {"missing", std::nullopt, false},
  };
  for (const CheckRow& row : kSampled) {
    for (const Stored& stored : forms) {
      SCOPED_TRACE(std::string(row.control) + ", " + stored.label);
      test::Program p;
      if (stored.raw) test::Store(p.registry, row.root, row.path, row.value, *stored.raw);
      EXPECT_EQ(stored.one != row.show_item ? 1 : 0, Box(Load(p), row.control).value());
    }
  }
}

TEST(Catalogue, BoxStatesAreApplied) {
  for (const CheckRow& row : kSampled) {
    for (int state : {0, 1, 2}) {
      SCOPED_TRACE(std::string(row.control) + ", state " + std::to_string(state));
      test::Program p;
      Form4& form = Load(p);
      form.OptDontPromptAndDontLogOff1.Select();
      Box(form, row.control).SetValue(state);
      form.BtnApply.Click();
      const bool one = row.show_item ? state == 0 : state == 1;
      EXPECT_EQ(RegValue(one ? 1 : 0), p.module.QueryValue(row.root, row.path, row.value));
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
  const Form4& form = Load(p);
  for (const Row& row : kCatalogue) {
    SCOPED_TRACE(std::string(row.control) + " " + std::string(row.value));
    if (row.routine == Routine::kElsewhere) continue;
    const ui::Control* control = form.Find(row.control);
    ASSERT_NE(nullptr, control);
    EXPECT_EQ(kinds.at(row.routine), control->kind());
  }
}

// Loads whose end states come only from the order of the steps and the group rules.
TEST(Catalogue, LoadOrderConsequences) {
  struct Case {
    const char* label;
    std::vector<const char*> ones;  // Explorer policy values stored as 1
    std::map<const char*, int> states;
  };
  const Case cases[] = {
      {"every Settings child off",
       {"NoSetFolders", "NoSetTaskbar", "NoFolderOptions", "NoSetActiveDesktop", "NoWindowsUpdate"},
       {{"ChckSettings", 0}, {"ChckControlPanel", 0}, {"ChckWindowsUpdate", 0}}},
      {"Active Desktop item on, feature off",
       {"NoActiveDesktop"},
       {{"ChckActiveDesktop", 1}, {"ChckADFeature", 1}, {"ChckSettings", 1}}},
      {"recent documents cleared at exit only",
       {"ClearRecentDocsOnExit"},
       {{"ChckRecentDocuments", 1}, {"ChckDocuments", 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test::Program p;
    for (const char* name : c.ones)
      test::Store(p.registry, kCurrentUser, kExplorer, name, Number(1));
    Form4& form = Load(p);
    for (const auto& [box, state] : c.states) EXPECT_EQ(state, Box(form, box).value()) << box;
    EXPECT_EQ(0, p.host.Count("MsgBox"));
  }
}

}  // namespace
}  // namespace quillmar
