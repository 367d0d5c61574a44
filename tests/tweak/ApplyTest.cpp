#include <gtest/gtest.h>

#include "tests/support/HeadlessHost.h"

namespace quillmar::test {
namespace {

// Each box writes the number its rule gives to each of its values: checked, then unchecked.
TEST(Apply, EachBoxWritesItsOwnValues) {
  const struct {
    const char* box;
    Key key;
    const char* value;
    int when_checked;  // and the other number when unchecked
  } cases[] = {
      {"ChckFavorites", kExplorer, "NoFavoritesMenu", 0},
      {"ChckDocuments", kExplorer, "NoRecentDocsMenu", 0},
      {"ChckFind", kExplorer, "NoFind", 0},
      {"ChckHelp", kExplorer, "NoSMHelp", 0},
      {"ChckRun", kExplorer, "NoRun", 0},
      {"ChckLogoff", kExplorer, "NoLogOff", 0},
      {"ChckClose", kExplorer, "NoClose", 0},
      {"ChckMyDocuments", kExplorer, "NoSMMyDocs", 0},
      {"ChckRecentDocuments", kExplorer, "NoRecentDocsHistory", 0},
      {"ChckRecentDocuments", kExplorer, "ClearRecentDocsOnExit", 0},
      {"ChckControlPanel", kExplorer, "NoSetFolders", 0},
      {"ChckTaskbar", kExplorer, "NoSetTaskbar", 0},
      {"ChckFolderOptions", kExplorer, "NoFolderOptions", 0},
      {"ChckActiveDesktop", kExplorer, "NoSetActiveDesktop", 0},
      {"ChckWindowsUpdate", kExplorer, "NoWindowsUpdate", 0},
      {"ChckHide", kExplorer, "NoDesktop", 1},
      {"ChckRightClick", kExplorer, "NoViewContextMenu", 1},
      {"ChckADFeature", kExplorer, "NoActiveDesktop", 1},
      {"ChckDontSave", kExplorer, "NoSaveSettings", 1},
      {"ChckDisableRegistry", kSystem, "DisableRegistryTools", 1},
      {"ChckDisableCancelButton", kLogon, "MustBeValidated", 1},
      {"ChckDisplayChanges", kSystem, "NoDispCPL", 1},
      {"ChckDenyPasswords", kSystem, "NoPwdPage", 1},
      {"ChckDenyUserProfiles", kSystem, "NoProfilePage", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    Program p;
    p.Store(kLogon, "UserProfiles", Dword(1));
    Form4& f = p.Load();
    f.OptDontPromptAndDontLogOff1.Select();
    auto& box = f.Get<ui::CheckBox>(c.box);
    box.SetValue(kChecked);
    f.BtnApply.Click();
    EXPECT_EQ(Dword(c.when_checked), p.At(c.key, c.value));
    box.SetValue(kUnchecked);
    f.BtnApply.Click();
    EXPECT_EQ(Dword(1 - c.when_checked), p.At(c.key, c.value));
  }
}

// A grey box shows its Start menu item, as a checked one does.
TEST(Apply, GreyShowsTheItem) {
  Program p;
  Form4& f = p.Load(k9x);
  f.OptDontPromptAndDontLogOff1.Select();
  f.ChckMyDocuments.SetValue(kGrey);
  f.BtnApply.Click();
  EXPECT_EQ(Dword(0), p.At(kExplorer, "NoSMMyDocs"));
}

TEST(Apply, ActiveDesktopFeatureOverridesItsMenuItem) {
  const struct {
    int feature, item, other_child;
    Raw no_set_active_desktop;
    int item_after, settings_after;
  } cases[] = {
      {.feature = 1,
       .item = 1,
       .other_child = 0,
       .no_set_active_desktop = Dword(1),
       .item_after = 0,
       .settings_after = 0},
      {.feature = 1,
       .item = 1,
       .other_child = 1,
       .no_set_active_desktop = Dword(1),
       .item_after = 0,
       .settings_after = 1},
      {.feature = 0,
       .item = 1,
       .other_child = 1,
       .no_set_active_desktop = Dword(0),
       .item_after = 1,
       .settings_after = 1},
  };
  for (const auto& c : cases) {
    Program p;
    Form4& f = p.Load();
    f.OptDontPromptAndDontLogOff1.Select();
    for (ui::CheckBox* child :
         {&f.ChckControlPanel, &f.ChckTaskbar, &f.ChckFolderOptions, &f.ChckWindowsUpdate})
      child->SetValue(c.other_child);
    f.ChckActiveDesktop.SetValue(c.item);
    f.ChckADFeature.SetValue(c.feature);
    f.BtnApply.Click();
    EXPECT_EQ(c.no_set_active_desktop, p.At(kExplorer, "NoSetActiveDesktop"));
    EXPECT_EQ(c.item_after, f.ChckActiveDesktop.value());
    EXPECT_EQ(c.settings_after, f.ChckSettings.value());
    EXPECT_EQ(0, p.host.Count("MsgBox"));
  }
}

// The texts stay texts, trimmed; a blank box never replaces the machine-wide owner or
// organisation, which the window does not show.
TEST(Apply, NameAndCompany) {
  const struct {
    const char *name, *company;
    Stored def_name, def_company, owner, organization;
  } cases[] = {
      {"", "", Sz(""), Sz(""), Sz("Owner"), Sz("Org")},
      {"   ", "12", Sz(""), Sz("12"), Sz("Owner"), Sz("12")},
      {" Bob ", "Acme", Sz("Bob"), Sz("Acme"), Sz("Bob"), Sz("Acme")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Program p;
    p.Store(kVersion, "RegisteredOwner", Sz("Owner"));
    p.Store(kVersion, "RegisteredOrganization", Sz("Org"));
    Form4& f = p.Load();
    f.OptDontPromptAndDontLogOff1.Select();
    f.TxtName.SetText(c.name);
    f.TxtCompany.SetText(c.company);
    f.BtnApply.Click();
    EXPECT_EQ(c.def_name, p.At(kUserInfo, "DefName"));
    EXPECT_EQ(c.def_company, p.At(kUserInfo, "DefCompany"));
    EXPECT_EQ(c.owner, p.At(kVersion, "RegisteredOwner"));
    EXPECT_EQ(c.organization, p.At(kVersion, "RegisteredOrganization"));
  }
}

// Each step applies the box in a fresh window; the next window loads what that left.
TEST(Apply, ThumbnailsKeepAndRestoreTheBitmapType) {
  const struct {
    int box;
    Stored type, icon, kept;
    int loads;
  } steps[] = {
      {kGrey, Sz("PBrush"), Sz("pbrush.exe,1"), kAbsent, kUnchecked},
      {kChecked, Sz("Paint.Picture"), Sz("%1"), Sz("PBrush"), kChecked},
      {kChecked, Sz("Paint.Picture"), Sz("%1"), Sz("PBrush"), kChecked},
      {kUnchecked, Sz("PBrush"), Sz("%1"), Sz("PBrush"), kUnchecked},
  };
  Program p;
  p.Store(kBitmapType, "", Sz("PBrush"));
  p.Store(kBitmapIcon, "", Sz("pbrush.exe,1"));
  p.Store(kProgram, "LogOffBox", Sz("NoPromptNoLogOff"));
  for (const auto& step : steps) {
    SCOPED_TRACE(step.box);
    Form4& f = p.Load();
    f.ChckThumbnails.SetValue(step.box);
    f.BtnApply.Click();
    p.forms.Close(f);
    EXPECT_EQ(step.type, p.At(kBitmapType, ""));
    EXPECT_EQ(step.icon, p.At(kBitmapIcon, ""));
    EXPECT_EQ(step.kept, p.At(kProgram, "bmp"));
    EXPECT_EQ(step.loads, p.Load().ChckThumbnails.value());
    p.forms.Close(*p.tweak);
  }
}

// A type the helpers cannot read is nobody's to replace: thumbnails leave it, and keep nothing.
TEST(Apply, AnUnreadableBitmapTypeIsLeftAlone) {
  const Raw expandable{kRegExpandSz, std::string("PBrush\0", 7)};
  Program p;
  p.Store(kBitmapType, "", expandable);
  Form4& f = p.Load();
  f.OptDontPromptAndDontLogOff1.Select();
  f.ChckThumbnails.SetValue(kChecked);
  f.BtnApply.Click();
  EXPECT_EQ(expandable, p.At(kBitmapType, ""));
  EXPECT_EQ(kAbsent, p.At(kProgram, "bmp"));
}

// The load stops at the first value that is not an address; Apply rewrites the list from url1
// and deletes what the list held at the load beyond its end.
TEST(Apply, TypedUrlHistory) {
  const Raw eight_bytes{kRegDword, std::string(8, '\1')};
  const struct {
    const char* label;
    std::vector<Stored> stored;  // url1, url2, ...
    std::vector<int> deleted;    // the list positions Delete is pressed on, in turn
    std::vector<Stored> after;   // url1 to url4
  } cases[] = {
      {"the second of three deleted",
       {Sz("a"), Sz("b"), Sz("c")},
       {1},
       {Sz("a"), Sz("c"), kAbsent, kAbsent}},
      {"a gap ends the history",
       {Sz("a"), Sz("b"), kAbsent, Sz("d")},
       {0},
       {Sz("b"), kAbsent, kAbsent, Sz("d")}},
      {"all deleted", {Sz("a"), Sz("b")}, {0, 0}, {kAbsent, kAbsent, kAbsent, kAbsent}},
      {"digits stay text", {Dword(7), Sz("b")}, {}, {Sz("7"), Sz("b"), kAbsent, kAbsent}},
      {"a malformed number ends it",
       {Sz("a"), Sz("b"), eight_bytes},
       {1},
       {Sz("a"), kAbsent, eight_bytes, kAbsent}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    Program p;
    for (std::size_t i = 0; i < c.stored.size(); ++i)
      if (c.stored[i]) p.Store(kUrls, "url" + std::to_string(i + 1), *c.stored[i]);
    Form4& f = p.Load();
    f.OptDontPromptAndDontLogOff1.Select();
    for (const int position : c.deleted) {
      f.List1.SetListIndex(position);
      f.Command2.Click();
    }
    f.BtnApply.Click();
    for (std::size_t i = 0; i < c.after.size(); ++i)
      EXPECT_EQ(c.after[i], p.At(kUrls, "url" + std::to_string(i + 1))) << i + 1;
  }
}

const std::string kCu = "HKEY_CURRENT_USER\\", kCr = "HKEY_CLASSES_ROOT\\",
                  kLm = "HKEY_LOCAL_MACHINE\\", kAdmin = " (needs an administrator)\n";

// As a user reads them in the tooltip and types them into a registry editor.
TEST(ToolTip, NamesEachLocationAndWhatApplyWritesForEachState) {
  const struct {
    const char* control;
    std::string tip;
  } cases[] = {
      {"ChckFind", kCu + kExplorer.path + "\nNoFind (REG_DWORD): 1 when unchecked, 0 otherwise"},
      {"ChckDisableCancelButton",
       kLm + kLogon.path + kAdmin + "MustBeValidated (REG_DWORD): 1 when checked, 0 otherwise"},
      {"ChckADFeature", kCu + kExplorer.path +
                            "\nNoActiveDesktop (REG_DWORD): 1 when checked, 0 otherwise"
                            "\nNoSetActiveDesktop (REG_DWORD): 1 when checked, whatever its "
                            "Start menu item says"},
      {"Slider1", kCu + kMetrics.path + "\nShell Icon Size (REG_SZ): the size in the box, as text"},
      {"ChckThumbnails",
       kCr + ".bmp\n(Default) (REG_SZ): \"Paint.Picture\" when checked; when unchecked and " +
           "still \"Paint.Picture\", the type saved in bmp\n" + kCr +
           "Paint.Picture\\DefaultIcon\n(Default) (REG_SZ): \"%1\" when checked\n" + kCu +
           kProgram.path + "\nbmp: the type in force before, saved when checked"},
      {"TxtCompany",
       kCu + kUserInfo.path + "\nDefCompany (REG_SZ): the text in the box\n" + kLm + kVersion.path +
           kAdmin + "RegisteredOrganization (REG_SZ): the text in the box, unless it is blank"},
      {"List1", kCu + kUrls.path +
                    "\nurl1, url2, ... (REG_SZ): one address each, in the list's order; " +
                    "addresses deleted from the list are deleted"},
      {"OptDontPromptAndLogOff1",
       kCu + kProgram.path + "\nLogOffBox (REG_SZ): \"NoPromptLogOff\" when selected"},
      {"BtnApply", ""},
  };
  Program p;
  const Form4& f = p.Load();
  for (const auto& c : cases) EXPECT_EQ(c.tip, f.ToolTip(*f.Find(c.control))) << c.control;
}

// Past a history the registry would not read to its end, Apply deletes nothing, and says so.
TEST(ToolTip, TypedUrlsWhenTheHistoryCouldNotBeReadToItsEnd) {
  Program p;
  p.Store(kUrls, "url1", Sz("a"));
  p.registry.refused_read = "url2";
  p.registry.code = kAccessDenied;
  p.Armed([&] { p.Load(); });
  ASSERT_EQ(1, p.tweak->List1.ListCount());
  EXPECT_EQ(kCu + kUrls.path +
                "\nurl1, url2, ... (REG_SZ): one address each, in the list's order; as the "
                "history could not be read to its end, none is deleted",
            p.tweak->ToolTip(p.tweak->List1));
}

}  // namespace
}  // namespace quillmar::test
