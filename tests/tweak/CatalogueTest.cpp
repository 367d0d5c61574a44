#include <gtest/gtest.h>

#include <optional>
#include <regex>

#include "logoff/Form5.h"
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

// Every check box with a value of its own, as the settings are documented for users.
struct CheckRow {
  const char* control;
  RegHandle root;
  const char* path;
  const char* value;
  bool show_item;
};
const CheckRow kCheckRows[] = {
    {"ChckFavorites", kCurrentUser, kExplorer, "NoFavoritesMenu", true},
    {"ChckDocuments", kCurrentUser, kExplorer, "NoRecentDocsMenu", true},
    {"ChckFind", kCurrentUser, kExplorer, "NoFind", true},
    {"ChckHelp", kCurrentUser, kExplorer, "NoSMHelp", true},
    {"ChckRun", kCurrentUser, kExplorer, "NoRun", true},
    {"ChckLogoff", kCurrentUser, kExplorer, "NoLogOff", true},
    {"ChckClose", kCurrentUser, kExplorer, "NoClose", true},
    {"ChckMyDocuments", kCurrentUser, kExplorer, "NoSMMyDocs", true},
    {"ChckRecentDocuments", kCurrentUser, kExplorer, "NoRecentDocsHistory", true},
    {"ChckControlPanel", kCurrentUser, kExplorer, "NoSetFolders", true},
    {"ChckTaskbar", kCurrentUser, kExplorer, "NoSetTaskbar", true},
    {"ChckFolderOptions", kCurrentUser, kExplorer, "NoFolderOptions", true},
    {"ChckActiveDesktop", kCurrentUser, kExplorer, "NoSetActiveDesktop", true},
    {"ChckWindowsUpdate", kCurrentUser, kExplorer, "NoWindowsUpdate", true},
    {"ChckHide", kCurrentUser, kExplorer, "NoDesktop", false},
    {"ChckRightClick", kCurrentUser, kExplorer, "NoViewContextMenu", false},
    {"ChckADFeature", kCurrentUser, kExplorer, "NoActiveDesktop", false},
    {"ChckDontSave", kCurrentUser, kExplorer, "NoSaveSettings", false},
    {"ChckDisableRegistry", kCurrentUser, kSystem, "DisableRegistryTools", false},
    {"ChckDisableCancelButton", kLocalMachine, kLogon, "MustBeValidated", false},
    {"ChckDisplayChanges", kCurrentUser, kSystem, "NoDispCPL", false},
    {"ChckDenyPasswords", kCurrentUser, kSystem, "NoPwdPage", false},
    {"ChckDenyUserProfiles", kCurrentUser, kSystem, "NoProfilePage", false},
};

ui::CheckBox& Box(Form4& form, const char* name) {
  return dynamic_cast<ui::CheckBox&>(*form.Find(name));
}

// A box whose group rules would override its own value is loaded where they leave it alone:
// the Documents box on the 9x family with both its children's values set.
int PlatformFor(const CheckRow& row, test::Program& p) {
  if (std::string(row.control) != "ChckDocuments") return 2;
  test::Store(p.registry, kCurrentUser, kExplorer, "NoSMMyDocs", Number(1));
  test::Store(p.registry, kCurrentUser, kExplorer, "NoRecentDocsHistory", Number(1));
  return 1;
}

TEST(Catalogue, EveryBoxLoadsFromItsValue) {
  struct Stored {
    const char* label;
    std::optional<Raw> raw;
    bool one;
  };
  const Stored forms[] = {
      {"number 1", Number(1), true},
      {"text 1", Text("1"), true},
      {"text 1 in blanks", Text(" 1 "), true},
      {"number 0", Number(0), false},
      {"text 0", Text("0"), false},
      {"number -1", Number(-1), false},
      {"number 257", Number(257), false},
      {"other text", Text("yes"), false},
      {"missing", std::nullopt, false},
      {"binary 1", Raw{kRegBinary, std::string("\1\0\0\0", 4)}, false},
      {"expandable 1", Raw{kRegExpandSz, std::string("1\0", 2)}, false},
  };
  for (const CheckRow& row : kCheckRows) {
    for (const Stored& stored : forms) {
      SCOPED_TRACE(std::string(row.control) + ", " + stored.label);
      test::Program p;
      test::Store(p.registry, kLocalMachine, kLogon, "UserProfiles", Number(1));
      p.host.platform_id = PlatformFor(row, p);
      if (stored.raw) test::Store(p.registry, row.root, row.path, row.value, *stored.raw);
      auto* form = dynamic_cast<Form4*>(p.forms.Load("Form4"));
      ASSERT_NE(nullptr, form);
      EXPECT_EQ(stored.one != row.show_item ? 1 : 0, Box(*form, row.control).value());
    }
  }
}

TEST(Catalogue, EveryBoxStateIsApplied) {
  for (const CheckRow& row : kCheckRows) {
    for (int state : {0, 1, 2}) {
      SCOPED_TRACE(std::string(row.control) + ", state " + std::to_string(state));
      test::Program p;
      test::Store(p.registry, kLocalMachine, kLogon, "UserProfiles", Number(1));
      auto* form = dynamic_cast<Form4*>(p.forms.Load("Form4"));
      ASSERT_NE(nullptr, form);
      form->OptDontPromptAndDontLogOff1.Select();
      Box(*form, row.control).SetValue(state);
      ASSERT_EQ(state, Box(*form, row.control).value());
      form->BtnApply.Click();
      const bool one = row.show_item ? state == 0 : state == 1;
      EXPECT_EQ(RegValue(one ? 1 : 0), p.module.QueryValue(row.root, row.path, row.value));
      if (std::string(row.control) == "ChckRecentDocuments") {
        EXPECT_EQ(RegValue(one ? 1 : 0),
                  p.module.QueryValue(row.root, row.path, "ClearRecentDocsOnExit"));
      }
    }
  }
}

bool InCatalogue(const test::RecordingRegistry::Access& a) {
  for (const Row& row : kCatalogue) {
    const KeyPath& key = KeyOf(row.key);
    if (key.root != a.root || key.path != a.path) continue;
    if (row.key == KeyLabel::kTypedUrl) {
      if (std::regex_match(a.name, std::regex("url[1-9][0-9]*"))) return true;
    } else if (row.value == a.name) {
      return true;
    }
  }
  return false;
}

// Everything a user can do with both windows touches only the locations of the catalogue.
TEST(Catalogue, NoHandlerTouchesALocationOutsideIt) {
  for (int platform : {2, 1}) {
    SCOPED_TRACE(platform);
    test::RecordingProgram p;
    p.host.platform_id = platform;
    for (const char* url : {"url1", "url2", "url3", "url5"})
      test::Store(p.memory, kCurrentUser, "Software\\Microsoft\\Internet Explorer\\TypedURLs", url,
                  Text(std::string("http://") + url));
    test::Store(p.memory, kClassesRoot, ".bmp", "", Text("PBrush"));
    test::Store(p.memory, kCurrentUser, kExplorer, "NoSetActiveDesktop", Number(1));
    auto* form = dynamic_cast<Form4*>(p.forms.Load("Form4"));
    ASSERT_NE(nullptr, form);

    int next_answer = 0;
    p.host.answer_modal = [&](ui::Window& w) {
      auto& prompt = dynamic_cast<Form5&>(w);
      const int answer = next_answer++ % 3;
      if (answer == 0) prompt.Command1.Click();
      if (answer == 1) prompt.cmdLogoff.Click();
    };
    for (const auto& control : form->controls()) {
      if (control.get() == &form->Command1) continue;
      if (auto* box = dynamic_cast<ui::CheckBox*>(control.get())) {
        for (int state : {1, 0, 2, 1}) box->SetValue(state);
      } else if (auto* label = dynamic_cast<ui::Label*>(control.get())) {
        label->Click();
      } else if (auto* text = dynamic_cast<ui::TextBox*>(control.get())) {
        text->SetText("12");
        text->LostFocus();
      } else if (auto* tabs = dynamic_cast<ui::TabStrip*>(control.get())) {
        for (int tab : {4, 3, 2, 1}) tabs->Select(tab);
      } else if (auto* slider = dynamic_cast<ui::Slider*>(control.get())) {
        slider->Scroll(40);
        slider->SetValue(60);
      }
      form->List1.SetListIndex(0);
      form->Command2.Click();
      form->BtnApply.Click();
    }
    for (ui::OptionButton* option :
         {&form->OptDontPromptAndDontLogOff1, &form->OptDontPromptAndLogOff1, &form->OptPrompt1}) {
      option->Select();
      form->BtnApply.Click();
    }
    form->Command1.Click();

    EXPECT_GT(p.registry.Count('D', "url1"), 0);
    EXPECT_GT(p.registry.Count('W', "LogOffBox"), 0);
    EXPECT_GT(p.registry.Count('R', "UserProfiles"), 0);
    for (const auto& a : p.registry.log)
      EXPECT_TRUE(InCatalogue(a)) << a.op << " " << a.root << " " << a.path << " " << a.name;
  }
}

}  // namespace
}  // namespace quillmar
