#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <tuple>

#include "tests/support/HeadlessHost.h"

namespace quillmar::test {
namespace {

// Each box's values as a registry editor shows them ("#" a number) once it is checked and then
// unchecked through the model, with every other box as the load left it.
TEST(Apply, EachBoxWritesItsOwnValues) {
  // The key, what checked and unchecked write, and each box with its value after the colon.
  const std::tuple<RegHandle, const char*, const char*, const char*, const char*> keys[] = {
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
  for (const auto& [root, key, checked, unchecked, boxes] : keys) {
    std::istringstream words(boxes);
    for (std::string word; words >> word;) {
      SCOPED_TRACE(word);
      Program p;
      Store(p.registry, kLocalMachine, kLogon, "UserProfiles", Number(1));
      Form4& f = p.Load();
      auto& box = dynamic_cast<ui::CheckBox&>(*f.Find(word.substr(0, word.find(':'))));
      for (int state : {1, 0}) {
        box.SetValue(state), f.BtnApply.Click();
        EXPECT_EQ(state ? checked : unchecked,
                  p.Values(root, key, {word.substr(word.find(':') + 1).c_str()}));
      }
    }
  }
}

// Feature, item, Settings' others; then NoSetActiveDesktop, the item and Settings after Apply.
TEST(Apply, ActiveDesktopFeatureOverridesItsMenuItem) {
  for (const char* c : {"110 #1 0 0", "111 #1 0 1", "210 #0 1 1"}) {
    SCOPED_TRACE(c);
    Program p;
    Form4& f = p.Load();
    f.OptDontPromptAndDontLogOff1.Select();
    for (ui::CheckBox* child :
         {&f.ChckControlPanel, &f.ChckTaskbar, &f.ChckFolderOptions, &f.ChckWindowsUpdate})
      child->SetValue(c[2] - '0');
    f.ChckActiveDesktop.SetValue(c[1] - '0'), f.ChckADFeature.SetValue(c[0] - '0');
    f.BtnApply.Click();
    EXPECT_EQ(std::string(c).substr(4), p.Values(kCurrentUser, kExplorer, {"NoSetActiveDesktop"}) +
                                            " " + std::to_string(f.ChckActiveDesktop.value()) +
                                            " " + std::to_string(f.ChckSettings.value()));
  }
}

// A blank box never overwrites the machine-wide owner/organisation; texts stay text.
TEST(Apply, Texts) {
  // Name, company, size; then DefName, DefCompany, RegisteredOwner, RegisteredOrganization, size.
  const char* cases[][4] = {{"", "", "", ". . Owner Org ."},
                            {"   ", "Acme", " 48", ". Acme Owner Acme 48"},
                            {" Bob ", "", "big", "Bob . Bob Org big"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c[3]);
    Program p;
    Store(p.registry, kLocalMachine, kVersion, "RegisteredOwner", Text("Owner"));
    Store(p.registry, kLocalMachine, kVersion, "RegisteredOrganization", Text("Org"));
    Store(p.registry, kCurrentUser, kUserInfo, "DefName", Text("Loaded"));
    Form4& f = p.Load();
    EXPECT_EQ("Loaded", f.TxtName.text());
    f.TxtName.SetText(c[0]), f.TxtCompany.SetText(c[1]), f.Txtpix.SetText(c[2]);
    f.BtnApply.Click();
    EXPECT_EQ(c[3],
              p.Values(kCurrentUser, kUserInfo, {"DefName", "DefCompany"}) + " " +
                  p.Values(kLocalMachine, kVersion, {"RegisteredOwner", "RegisteredOrganization"}) +
                  " " + p.Values(kCurrentUser, kMetrics, {"Shell Icon Size"}));
  }
}

// Each step sets the box and applies; then .bmp's type, its icon, bmp, the box at the next load.
TEST(Apply, ThumbnailSequence) {
  Program p;
  Store(p.registry, kClassesRoot, ".bmp", "", Text("PBrush"));
  Store(p.registry, kClassesRoot, "Paint.Picture\\DefaultIcon", "", Text("pbrush.exe,1"));
  const std::pair<int, const char*> steps[] = {{2, "PBrush pbrush.exe,1 . 0"},
                                               {1, "Paint.Picture %1 PBrush 1"},
                                               {1, "Paint.Picture %1 PBrush 1"},
                                               {0, "PBrush %1 PBrush 0"}};
  for (const auto& [box, after] : steps) {
    p.Load().ChckThumbnails.SetValue(box), p.tweak->BtnApply.Click(), p.forms.Close(*p.tweak);
    EXPECT_EQ(after, p.Values(kClassesRoot, ".bmp", {""}) + " " +
                         p.Values(kClassesRoot, "Paint.Picture\\DefaultIcon", {""}) + " " +
                         p.Values(kCurrentUser, kProgram, {"bmp"}) + " " +
                         std::to_string(p.Load().ChckThumbnails.value()));
    p.forms.Close(*p.tweak);
  }
}

// The load stops at the first gap; Apply rewrites the list from url1 and removes what it held.
TEST(Apply, TypedUrlHistory) {
  // url1, url2, ... stored, one letter each ('.' none, a digit as a number); Delete pressed on
  // these positions in turn ('*' as it stands); then url1 to url5.
  const char* cases[][3] = {{"abc", "*1*", "a c . . ."},
                            {"ab.d", "0", "b . . d ."},
                            {"ab", "00", ". . . . ."},
                            {"7b", "", "7 b . . ."}};
  for (const auto& [stored, deleted, after] : cases) {
    SCOPED_TRACE(stored);
    Program p;
    for (int i = 0; stored[i] != 0; ++i)
      if (const char v = stored[i]; v != '.')
        Store(p.registry, kCurrentUser, kUrls, "url" + std::to_string(i + 1),
              std::isdigit(v) ? Number(v - '0') : Text({v}));
    Form4& f = p.Load();
    for (int i = 0; deleted[i] != 0; ++i) {
      if (deleted[i] != '*') f.List1.SetListIndex(deleted[i] - '0');
      f.Command2.Click();
    }
    f.BtnApply.Click();
    EXPECT_EQ(after, p.Values(kCurrentUser, kUrls, {"url1", "url2", "url3", "url4", "url5"}));
  }
}

// As a user reads them in the tooltip and types them into a registry editor.
TEST(SettingTips, NameEachLocationAndWhatApplyWritesForEachState) {
  const std::string cu = "HKEY_CURRENT_USER\\", cr = "HKEY_CLASSES_ROOT\\",
                    lm = "HKEY_LOCAL_MACHINE\\", admin = " (needs an administrator)\n";
  const std::pair<const char*, std::string> cases[] = {
      {"ChckFind", cu + kExplorer + "\nNoFind (REG_DWORD): 1 when unchecked, 0 otherwise"},
      {"ChckDisableCancelButton",
       lm + kLogon + admin + "MustBeValidated (REG_DWORD): 1 when checked, 0 otherwise"},
      {"Slider1", cu + kMetrics + "\nShell Icon Size (REG_SZ): the size in the box, as text"},
      {"ChckThumbnails",
       cr + ".bmp\n(Default) (REG_SZ): \"Paint.Picture\" when checked; when " +
           "unchecked and still \"Paint.Picture\", the type saved in bmp\n" + cr +
           "Paint.Picture\\DefaultIcon\n(Default) (REG_SZ): \"%1\" when checked\n" + cu + kProgram +
           "\nbmp: the type in force before, saved when checked"},
      {"TxtCompany",
       cu + kUserInfo + "\nDefCompany (REG_SZ): the text in the box\n" + lm + kVersion + admin +
           "RegisteredOrganization (REG_SZ): the text in the box, unless it is blank"},
      {"List1", cu + kUrls + "\nurl1, url2, ... (REG_SZ): one address each, in the list's order; " +
                    "addresses deleted from the list are deleted"},
      {"OptDontPromptAndLogOff1",
       cu + kProgram + "\nLogOffBox (REG_SZ): \"NoPromptLogOff\" when selected"},
      {"BtnApply", ""},
      {"", ""}};
  Program p;
  Form4& f = p.Load();
  for (const auto& [control, tip] : cases)
    EXPECT_EQ(tip, *control ? f.ToolTip(*f.Find(control)) : "") << control;
}

}  // namespace
}  // namespace quillmar::test
