#include <gtest/gtest.h>

#include <cctype>

#include "tests/support/HeadlessHost.h"

namespace quillmar::test {
namespace {

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
    f.ChckActiveDesktop.SetValue(c[1] - '0');
    f.ChckADFeature.SetValue(c[0] - '0');
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
    f.TxtName.SetText(c[0]);
    f.TxtCompany.SetText(c[1]);
    f.Txtpix.SetText(c[2]);
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
    p.Load().ChckThumbnails.SetValue(box);
    p.tweak->BtnApply.Click();
    p.forms.Close(*p.tweak);
    const int reloads_as = p.Load().ChckThumbnails.value();
    p.forms.Close(*p.tweak);
    EXPECT_EQ(after, p.Values(kClassesRoot, ".bmp", {""}) + " " +
                         p.Values(kClassesRoot, "Paint.Picture\\DefaultIcon", {""}) + " " +
                         p.Values(kCurrentUser, kProgram, {"bmp"}) + " " +
                         std::to_string(reloads_as));
  }
}

// The load stops at the first gap; Apply rewrites the list from url1 and removes what it held.
TEST(Apply, TypedUrlHistory) {
  struct Case {
    const char* stored;  // url1, url2, ... as one letter each; '.' none, a digit stored as a number
    std::vector<int> deleted;  // Delete pressed on these positions in turn, -1 as it stands
    const char* after;         // url1 to url5
  };
  const Case cases[] = {{"abc", {-1, 1, -1}, "a c . . ."},
                        {"ab.d", {0}, "b . . d ."},
                        {"ab", {0, 0}, ". . . . ."},
                        {"7b", {}, "7 b . . ."}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    Program p;
    for (int i = 0; c.stored[i] != 0; ++i)
      if (const char v = c.stored[i]; v != '.')
        Store(p.registry, kCurrentUser, kUrls, "url" + std::to_string(i + 1),
              std::isdigit(v) ? Number(v - '0') : Text({v}));
    Form4& f = p.Load();
    for (int position : c.deleted) {
      if (position >= 0) f.List1.SetListIndex(position);
      f.Command2.Click();
    }
    f.BtnApply.Click();
    EXPECT_EQ(c.after, p.Values(kCurrentUser, kUrls, {"url1", "url2", "url3", "url4", "url5"}));
  }
}

}  // namespace
}  // namespace quillmar::test
