#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/HeadlessHost.h"

namespace quillmar::test {
namespace {

// Each box's values as a registry editor shows them ("#" a number) once it is checked and then
// unchecked through the model, with every other box as the load left it.
TEST(Catalogue, EachBoxWritesItsOwnValues) {
  const struct {
    RegHandle root;
    const char *key, *checked, *unchecked, *boxes;  // each box, and its value after the colon
  } keys[] = {
      {kCurrentUser, kExplorer, "#0", "#1",
       "ChckFavorites:NoFavoritesMenu ChckDocuments:NoRecentDocsMenu ChckFind:NoFind "
       "ChckHelp:NoSMHelp ChckRun:NoRun ChckLogoff:NoLogOff ChckClose:NoClose "
       "ChckMyDocuments:NoSMMyDocs ChckRecentDocuments:NoRecentDocsHistory "
       "ChckRecentDocuments:ClearRecentDocsOnExit ChckControlPanel:NoSetFolders "
       "ChckTaskbar:NoSetTaskbar ChckFolderOptions:NoFolderOptions "
       "ChckActiveDesktop:NoSetActiveDesktop ChckWindowsUpdate:NoWindowsUpdate"},
      {kCurrentUser, kExplorer, "#1", "#0",
       "ChckHide:NoDesktop ChckRightClick:NoViewContextMenu ChckADFeature:NoActiveDesktop "
       "ChckDontSave:NoSaveSettings"},
      {kCurrentUser, kSystem, "#1", "#0",
       "ChckDisableRegistry:DisableRegistryTools ChckDisplayChanges:NoDispCPL "
       "ChckDenyPasswords:NoPwdPage ChckDenyUserProfiles:NoProfilePage"},
      {kLocalMachine, kLogon, "#1", "#0", "ChckDisableCancelButton:MustBeValidated"},
  };
  for (const auto& k : keys) {
    std::istringstream boxes(k.boxes);
    for (std::string word; boxes >> word;) {
      SCOPED_TRACE(word);
      Program p;
      Store(p.registry, kCurrentUser, kProgram, "LogOffBox", Text("NoPromptNoLogOff"));
      Store(p.registry, kLocalMachine, kLogon, "UserProfiles", Number(1));
      Form4& f = p.Load();
      auto& box = dynamic_cast<ui::CheckBox&>(*f.Find(word.substr(0, word.find(':'))));
      for (int state : {1, 0}) {
        box.SetValue(state);
        f.BtnApply.Click();
        EXPECT_EQ(state ? k.checked : k.unchecked,
                  p.Values(k.root, k.key, {word.substr(word.find(':') + 1).c_str()}));
      }
    }
  }
}

}  // namespace
}  // namespace quillmar::test
