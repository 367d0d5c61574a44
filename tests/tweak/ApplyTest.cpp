#include <gtest/gtest.h>

#include <optional>

#include "tests/support/HeadlessHost.h"

namespace quillmar {
namespace {

using test::kExplorer;
using test::kProgram;
using test::kUrls;
using test::kVersion;
using test::Text;

const RegValue kMissing = std::string();

RegValue S(const char* text) {
  return std::string(text);
}

TEST(Apply, ActiveDesktopFeatureOverridesItsMenuItem) {
  struct Case {
    int feature, item, other_children;
    int no_active_desktop, no_set_active_desktop, item_after, settings_after;
  };
  const Case cases[] = {
      {1, 1, 0, 1, 1, 0, 0}, {1, 1, 1, 1, 1, 0, 1}, {1, 0, 0, 1, 1, 0, 0},
      {0, 1, 0, 0, 0, 1, 1}, {0, 0, 1, 0, 1, 0, 1}, {2, 1, 0, 0, 0, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.feature) + std::to_string(c.item) +
                 std::to_string(c.other_children));
    test::Program p;
    Form4& f = p.Load();
    f.OptDontPromptAndDontLogOff1.Select();
    for (ui::CheckBox* child :
         {&f.ChckControlPanel, &f.ChckTaskbar, &f.ChckFolderOptions, &f.ChckWindowsUpdate})
      child->SetValue(c.other_children);
    f.ChckActiveDesktop.SetValue(c.item);
    f.ChckADFeature.SetValue(c.feature);
    f.BtnApply.Click();
    EXPECT_EQ(RegValue(c.no_active_desktop),
              p.module.QueryValue(kCurrentUser, kExplorer, "NoActiveDesktop"));
    EXPECT_EQ(RegValue(c.no_set_active_desktop),
              p.module.QueryValue(kCurrentUser, kExplorer, "NoSetActiveDesktop"));
    EXPECT_EQ(c.item_after, f.ChckActiveDesktop.value());
    EXPECT_EQ(c.settings_after, f.ChckSettings.value());
    EXPECT_EQ(0, p.host.Count("MsgBox"));
  }
}

// An empty box never replaces the machine-wide owner or organisation it was not loaded from;
// every text is stored as text, whatever it holds.
TEST(Apply, Texts) {
  struct Case {
    const char *name, *company, *size;
    RegValue def_name, owner, organization, stored_size;
  };
  const Case cases[] = {
      {"Ann", "Acme", "32", S("Ann"), S("Ann"), S("Acme"), S("32")},
      {"", "", "", S(""), S("Old owner"), S("Old org"), S("")},
      {"   ", "Acme", " 48", S(""), S("Old owner"), S("Acme"), S("48")},
      {" Bob ", "", "big", S("Bob"), S("Bob"), S("Old org"), S("big")},
      {"007", "42", "-1", S("007"), S("007"), S("42"), S("-1")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("'") + c.name + "', '" + c.company + "'");
    test::Program p;
    test::Store(p.registry, kLocalMachine, kVersion, "RegisteredOwner", Text("Old owner"));
    test::Store(p.registry, kLocalMachine, kVersion, "RegisteredOrganization", Text("Old org"));
    Form4& f = p.Load();
    f.TxtName.SetText(c.name);
    f.TxtCompany.SetText(c.company);
    f.Txtpix.SetText(c.size);
    f.BtnApply.Click();
    EXPECT_EQ(c.def_name, p.module.QueryValue(kCurrentUser, test::kUserInfo, "DefName"));
    EXPECT_EQ(S(c.company), p.module.QueryValue(kCurrentUser, test::kUserInfo, "DefCompany"));
    EXPECT_EQ(c.owner, p.module.QueryValue(kLocalMachine, kVersion, "RegisteredOwner"));
    EXPECT_EQ(c.organization,
              p.module.QueryValue(kLocalMachine, kVersion, "RegisteredOrganization"));
    EXPECT_EQ(c.stored_size, p.module.QueryValue(kCurrentUser, test::kMetrics, "Shell Icon Size"));
  }
}

// Each step sets the box, applies and reloads the window.
TEST(Apply, ThumbnailSequences) {
  struct Step {
    int box;
    RegValue type, icon, bmp;
    int reloads_as;
  };
  struct Case {
    std::optional<const char*> type, bmp;
    std::vector<Step> steps;
  };
  const RegValue pp = S("Paint.Picture"), icon = S("%1"), old_icon = S("pbrush.exe,1");
  const Case cases[] = {
      {"PBrush",
       std::nullopt,
       {{1, pp, icon, S("PBrush"), 1},
        {1, pp, icon, S("PBrush"), 1},
        {0, S("PBrush"), icon, S("PBrush"), 0}}},
      {"Paint.Picture", std::nullopt, {{0, pp, old_icon, kMissing, 0}, {1, pp, icon, kMissing, 1}}},
      {std::nullopt,
       std::nullopt,
       {{0, kMissing, old_icon, kMissing, 0}, {1, pp, icon, S(""), 1}, {0, pp, icon, S(""), 1}}},
      {"Paint.Picture", "PBrush", {{2, S("PBrush"), old_icon, S("PBrush"), 0}}},
  };
  for (const Case& c : cases) {
    test::Program p;
    if (c.type) test::Store(p.registry, kClassesRoot, ".bmp", "", Text(*c.type));
    if (c.bmp) test::Store(p.registry, kCurrentUser, kProgram, "bmp", Text(*c.bmp));
    test::Store(p.registry, kClassesRoot, "Paint.Picture\\DefaultIcon", "", Text("pbrush.exe,1"));
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
      SCOPED_TRACE(std::string(c.type.value_or("none")) + ", step " + std::to_string(i));
      const Step& s = c.steps[i];
      Form4& f = p.Load();
      f.ChckThumbnails.SetValue(s.box);
      f.BtnApply.Click();
      p.forms.Close(f);
      EXPECT_EQ(s.type, p.module.QueryValue(kClassesRoot, ".bmp", ""));
      EXPECT_EQ(s.icon, p.module.QueryValue(kClassesRoot, "Paint.Picture\\DefaultIcon", ""));
      EXPECT_EQ(s.bmp, p.module.QueryValue(kCurrentUser, kProgram, "bmp"));
      EXPECT_EQ(s.reloads_as, p.Load().ChckThumbnails.value());
      p.forms.Close(*p.tweak);
    }
  }
}

// The load stops at the first gap; Apply rewrites the list from url1 and removes what it held.
TEST(Apply, TypedUrlHistory) {
  struct Case {
    std::vector<std::pair<const char*, test::Raw>> stored;
    std::vector<std::string> items;
    std::vector<int> deleted;     // list positions pressed away with Delete, in turn
    std::vector<RegValue> after;  // url1 to url5
  };
  const Case cases[] = {
      {{{"url1", Text("a")}, {"url2", Text("b")}, {"url3", Text("c")}},
       {"a", "b", "c"},
       {1},
       {S("a"), S("c"), kMissing, kMissing, kMissing}},
      {{{"url1", Text("a")}, {"url2", Text("b")}, {"url4", Text("d")}},
       {"a", "b"},
       {0},
       {S("b"), kMissing, kMissing, S("d"), kMissing}},
      {{{"url1", Text("a")}, {"url2", Text("b")}},
       {"a", "b"},
       {0, 0},
       {kMissing, kMissing, kMissing, kMissing, kMissing}},
      {{{"url1", test::Number(42)}, {"url2", Text("12345")}},
       {"42", "12345"},
       {},
       {S("42"), S("12345"), kMissing, kMissing, kMissing}},
      {{{"url2", Text("b")}}, {}, {}, {kMissing, S("b"), kMissing, kMissing, kMissing}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored.size());
    test::Program p;
    for (const auto& [name, raw] : c.stored)
      test::Store(p.registry, kCurrentUser, kUrls, name, raw);
    Form4& f = p.Load();
    std::vector<std::string> items;
    for (int i = 0; i < f.List1.ListCount(); ++i) items.push_back(f.List1.List(i));
    EXPECT_EQ(c.items, items);
    EXPECT_EQ(f.List1.ListCount(), p.module.TypedUrlCount);
    for (int position : c.deleted) {
      f.List1.SetListIndex(position);
      f.Command2.Click();
    }
    f.BtnApply.Click();
    for (int i = 0; i < 5; ++i)
      EXPECT_EQ(c.after[static_cast<std::size_t>(i)],
                p.module.QueryValue(kCurrentUser, kUrls, "url" + std::to_string(i + 1)))
          << "url" << i + 1;
  }
}

// The decision rests on the choice as written, after every other row.
TEST(Apply, LogOffChoice) {
  struct Case {
    const char* option;
    const char* stored;
    std::vector<std::string> events;
  };
  const Case cases[] = {
      {"OptPrompt1", "Prompt", {"Beep", "ShowModal: Form5", "Close: Form5"}},
      {"OptDontPromptAndLogOff1", "NoPromptLogOff", {"LogOff"}},
      {"OptDontPromptAndDontLogOff1", "NoPromptNoLogOff", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    test::Program p;
    test::Store(p.registry, kCurrentUser, kProgram, "LogOffBox", Text("NoPromptNoLogOff"));
    Form4& f = p.Load();
    dynamic_cast<ui::OptionButton&>(*f.Find(c.option)).Select();
    p.host.answer_modal = [&](ui::Window&) {
      EXPECT_EQ(S("Prompt"), p.module.QueryValue(kCurrentUser, kProgram, "LogOffBox"));
      EXPECT_EQ(S("a"), p.module.QueryValue(kCurrentUser, kUrls, "url1"));
    };
    f.List1.AddItem("a");
    for (int round = 0; round < 2; ++round) {
      p.host.events.clear();
      f.BtnApply.Click();
      EXPECT_EQ(S(c.stored), p.module.QueryValue(kCurrentUser, kProgram, "LogOffBox"));
      EXPECT_EQ(c.events, p.host.events);
      EXPECT_EQ(0u, p.memory.OpenHandles());
    }
  }
}

}  // namespace
}  // namespace quillmar
