#include <gtest/gtest.h>

#include "tests/support/HeadlessHost.h"

namespace quillmar::test {
namespace {

// A box writes the number its rule gives to each of its values: checked, then unchecked. A box of
// each rule, and the box with two values.
TEST(Apply, BoxesWriteTheNumberTheirRuleGives) {
  const struct {
    const char* box;
    Key key;
    const char* value;
    int when_checked;  // and the other number when unchecked
  } cases[] = {
      {.box = "ChckRecentDocuments",
       .key = kExplorer,
       .value = "NoRecentDocsHistory",
       .when_checked = 0},
      {.box = "ChckRecentDocuments",
       .key = kExplorer,
       .value = "ClearRecentDocsOnExit",
       .when_checked = 0},
      {.box = "ChckDenyPasswords", .key = kSystem, .value = "NoPwdPage", .when_checked = 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    Program p;
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

// The feature switched off takes its Start menu item away, whatever the item's box says.
TEST(Apply, ActiveDesktopFeatureOverridesItsMenuItem) {
  const struct {
    int feature, item, others;  // the other Settings children
    Raw menu_item;              // NoSetActiveDesktop
    int item_after, settings_after;
  } cases[] = {
      {.feature = 1,
       .item = 1,
       .others = 0,
       .menu_item = Dword(1),
       .item_after = 0,
       .settings_after = 0},
      {.feature = 0,
       .item = 1,
       .others = 1,
       .menu_item = Dword(0),
       .item_after = 1,
       .settings_after = 1},
  };
  for (const auto& c : cases) {
    Program p;
    Form4& f = p.Load();
    f.OptDontPromptAndDontLogOff1.Select();
    for (ui::CheckBox* child :
         {&f.ChckControlPanel, &f.ChckTaskbar, &f.ChckFolderOptions, &f.ChckWindowsUpdate})
      child->SetValue(c.others);
    f.ChckActiveDesktop.SetValue(c.item);
    f.ChckADFeature.SetValue(c.feature);
    f.BtnApply.Click();
    EXPECT_EQ(c.menu_item, p.At(kExplorer, "NoSetActiveDesktop"));
    EXPECT_EQ(c.item_after, f.ChckActiveDesktop.value());
    EXPECT_EQ(c.settings_after, f.ChckSettings.value());
    EXPECT_EQ(0, p.host.Count("MsgBox"));
  }
}

// The box loads from the user's own value only, so a blank one never replaces the machine-wide
// owner, which the window does not show.
TEST(Apply, ABlankNameLeavesTheMachineWideOwner) {
  Program p;
  p.Store(kVersion, "RegisteredOwner", Sz("Owner"));
  Form4& f = p.Load();
  f.OptDontPromptAndDontLogOff1.Select();
  f.TxtName.SetText("   ");
  f.BtnApply.Click();
  EXPECT_EQ(Sz(""), p.At(kUserInfo, "DefName"));
  EXPECT_EQ(Sz("Owner"), p.At(kVersion, "RegisteredOwner"));
}

// Each step applies the box in a fresh window; the next window loads what that left. Checked
// again, the box keeps the type it kept the first time.
TEST(Apply, ThumbnailsKeepTheBitmapTypeInForceBeforeThem) {
  const struct {
    int box;
    Stored type, icon, kept;
    int loads;
  } steps[] = {
      {.box = kChecked,
       .type = Sz("Paint.Picture"),
       .icon = Sz("%1"),
       .kept = Sz("PBrush"),
       .loads = kChecked},
      {.box = kChecked,
       .type = Sz("Paint.Picture"),
       .icon = Sz("%1"),
       .kept = Sz("PBrush"),
       .loads = kChecked},
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
      {.label = "all deleted",
       .stored = {Sz("a"), Sz("b")},
       .deleted = {0, 0},
       .after = {kAbsent, kAbsent, kAbsent, kAbsent}},
      {.label = "digits stay text",
       .stored = {Dword(7), Sz("b")},
       .deleted = {},
       .after = {Sz("7"), Sz("b"), kAbsent, kAbsent}},
      {.label = "a malformed number ends it",
       .stored = {Sz("a"), Sz("b"), eight_bytes},
       .deleted = {1},
       .after = {Sz("a"), kAbsent, eight_bytes, kAbsent}},
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
      {.control = "ChckFind",
       .tip = kCu + kExplorer.path + "\nNoFind (REG_DWORD): 1 when unchecked, 0 otherwise"},
      {.control = "ChckHide",
       .tip = kCu + kExplorer.path + "\nNoDesktop (REG_DWORD): 1 when checked, 0 otherwise"},
      {.control = "ChckADFeature",
       .tip = kCu + kExplorer.path +
              "\nNoActiveDesktop (REG_DWORD): 1 when checked, 0 otherwise"
              "\nNoSetActiveDesktop (REG_DWORD): 1 when checked, whatever its "
              "Start menu item says"},
      {.control = "ChckThumbnails",
       .tip = kCr +
              ".bmp\n(Default) (REG_SZ): \"Paint.Picture\" when checked; when unchecked and " +
              "still \"Paint.Picture\", the type saved in bmp\n" + kCr +
              "Paint.Picture\\DefaultIcon\n(Default) (REG_SZ): \"%1\" when checked\n" + kCu +
              kProgram.path + "\nbmp: the type in force before, saved when checked"},
      {.control = "TxtCompany",
       .tip = kCu + kUserInfo.path + "\nDefCompany (REG_SZ): the text in the box\n" + kLm +
              kVersion.path + kAdmin +
              "RegisteredOrganization (REG_SZ): the text in the box, unless it is blank"},
      {.control = "List1",
       .tip = kCu + kUrls.path +
              "\nurl1, url2, ... (REG_SZ): one address each, in the list's order; " +
              "addresses deleted from the list are deleted"},
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
