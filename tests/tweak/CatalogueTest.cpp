#include <gtest/gtest.h>

#include "tests/support/HeadlessHost.h"

namespace quillmar::test {
namespace {

// Each box's values as a registry editor shows them ("#" a number) once it is checked and then
// unchecked through the model, with every other box as the load left it.
TEST(Catalogue, EachBoxWritesItsOwnValues) {
  const auto user = kCurrentUser;
  const struct {
    const char* control;
    RegHandle root;
    const char *key, *value, *checked, *unchecked;
  } cases[] = {
      {"ChckFavorites", user, kExplorer, "NoFavoritesMenu", "#0", "#1"},
      {"ChckDocuments", user, kExplorer, "NoRecentDocsMenu", "#0", "#1"},
      {"ChckFind", user, kExplorer, "NoFind", "#0", "#1"},
      {"ChckHelp", user, kExplorer, "NoSMHelp", "#0", "#1"},
      {"ChckRun", user, kExplorer, "NoRun", "#0", "#1"},
      {"ChckLogoff", user, kExplorer, "NoLogOff", "#0", "#1"},
      {"ChckClose", user, kExplorer, "NoClose", "#0", "#1"},
      {"ChckMyDocuments", user, kExplorer, "NoSMMyDocs", "#0", "#1"},
      {"ChckRecentDocuments", user, kExplorer, "NoRecentDocsHistory", "#0", "#1"},
      {"ChckRecentDocuments", user, kExplorer, "ClearRecentDocsOnExit", "#0", "#1"},
      {"ChckControlPanel", user, kExplorer, "NoSetFolders", "#0", "#1"},
      {"ChckTaskbar", user, kExplorer, "NoSetTaskbar", "#0", "#1"},
      {"ChckFolderOptions", user, kExplorer, "NoFolderOptions", "#0", "#1"},
      {"ChckActiveDesktop", user, kExplorer, "NoSetActiveDesktop", "#0", "#1"},
      {"ChckWindowsUpdate", user, kExplorer, "NoWindowsUpdate", "#0", "#1"},
      {"ChckHide", user, kExplorer, "NoDesktop", "#1", "#0"},
      {"ChckRightClick", user, kExplorer, "NoViewContextMenu", "#1", "#0"},
      {"ChckADFeature", user, kExplorer, "NoActiveDesktop", "#1", "#0"},
      {"ChckDontSave", user, kExplorer, "NoSaveSettings", "#1", "#0"},
      {"ChckDisableRegistry", user, kSystem, "DisableRegistryTools", "#1", "#0"},
      {"ChckDisableCancelButton", kLocalMachine, kLogon, "MustBeValidated", "#1", "#0"},
      {"ChckDisplayChanges", user, kSystem, "NoDispCPL", "#1", "#0"},
      {"ChckDenyPasswords", user, kSystem, "NoPwdPage", "#1", "#0"},
      {"ChckDenyUserProfiles", user, kSystem, "NoProfilePage", "#1", "#0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.control) + " " + c.value);
    Program p;
    Store(p.registry, user, kProgram, "LogOffBox", Text("NoPromptNoLogOff"));
    Store(p.registry, kLocalMachine, kLogon, "UserProfiles", Number(1));
    Form4& f = p.Load();
    auto& box = dynamic_cast<ui::CheckBox&>(*f.Find(c.control));
    for (int state : {1, 0}) {
      box.SetValue(state);
      f.BtnApply.Click();
      EXPECT_EQ(state ? c.checked : c.unchecked, p.Values(c.root, c.key, {c.value}));
    }
  }
}

}  // namespace
}  // namespace quillmar::test
