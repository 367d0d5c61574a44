#include <gtest/gtest.h>

#include <optional>

#include "tests/support/HeadlessHost.h"
#include "tests/support/KeyPaths.h"
#include "tests/support/RecordingRegistry.h"
#include "tweak/Form4.h"

namespace quillmar {
namespace {

using test::kExplorer;
using test::kMetrics;
using test::kProgram;
using test::kSystem;
using test::kUrls;
using test::kUserInfo;
using test::kVersion;

using test::Number;
using test::Text;

const RegValue kMissing = std::string();

template <typename P>
Form4& Load(P& p) {
  auto* form = dynamic_cast<Form4*>(p.forms.Load("Form4"));
  if (form == nullptr) throw std::logic_error("Form4 is not registered");
  return *form;
}

RegValue S(const char* text) {
  return std::string(text);
}

TEST(Apply, FreshSystem) {
  test::Program p;
  test::Store(p.registry, kLocalMachine, kVersion, "RegisteredOwner", Text("Owner"));
  Form4& f = Load(p);
  f.BtnApply.Click();
  EXPECT_EQ(RegValue(0), p.module.QueryValue(kCurrentUser, kExplorer, "ClearRecentDocsOnExit"));
  EXPECT_EQ(S("32"), p.module.QueryValue(kCurrentUser, kMetrics, "Shell Icon Size"));
  EXPECT_EQ(S("Owner"), p.module.QueryValue(kLocalMachine, kVersion, "RegisteredOwner"));
  EXPECT_EQ(kMissing, p.module.QueryValue(kLocalMachine, kVersion, "RegisteredOrganization"));
  EXPECT_TRUE(p.module.KeyExists(kCurrentUser, kUserInfo));
  EXPECT_FALSE(p.module.KeyExists(kClassesRoot, ".bmp")) << "thumbnails off and no bmp kept";
  EXPECT_EQ(S("Prompt"), p.module.QueryValue(kCurrentUser, kProgram, "LogOffBox"));
  EXPECT_EQ((std::vector<std::string>{"Beep", "ShowModal: Form5", "Close: Form5"}), p.host.events);
  EXPECT_EQ(0u, p.registry.OpenHandles());
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
    Form4& f = Load(p);
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

TEST(Apply, IconSizeIsAlwaysText) {
  for (const auto& [typed, stored] : std::vector<std::pair<const char*, const char*>>{
           {"32", "32"}, {" 48", "48"}, {"7 ", "7"}, {"big", "big"}, {"", ""}, {"-1", "-1"}}) {
    SCOPED_TRACE(typed);
    test::Program p;
    Form4& f = Load(p);
    f.OptDontPromptAndDontLogOff1.Select();
    f.Txtpix.SetText(typed);
    f.BtnApply.Click();
    EXPECT_EQ(S(stored), p.module.QueryValue(kCurrentUser, kMetrics, "Shell Icon Size"));
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
    const char* label;
    std::optional<const char*> type;
    std::optional<const char*> bmp;
    std::vector<Step> steps;
  };
  const RegValue pp = S("Paint.Picture");
  const RegValue icon = S("%1");
  const RegValue old_icon = S("pbrush.exe,1");
  const Case cases[] = {
      {"from another type",
       "PBrush",
       std::nullopt,
       {{1, pp, icon, S("PBrush"), 1},
        {1, pp, icon, S("PBrush"), 1},
        {0, S("PBrush"), icon, S("PBrush"), 0},
        {0, S("PBrush"), icon, S("PBrush"), 0}}},
      {"already Paint.Picture",
       "Paint.Picture",
       std::nullopt,
       {{0, pp, old_icon, kMissing, 0}, {1, pp, icon, kMissing, 1}, {0, pp, icon, kMissing, 1}}},
      {"no type at all",
       std::nullopt,
       std::nullopt,
       {{1, pp, icon, S(""), 1}, {0, pp, icon, S(""), 1}}},
      {"grey counts as off",
       "Paint.Picture",
       "PBrush",
       {{2, S("PBrush"), old_icon, S("PBrush"), 0}}},
  };
  for (const Case& c : cases) {
    test::Program p;
    if (c.type) test::Store(p.registry, kClassesRoot, ".bmp", "", Text(*c.type));
    if (c.bmp) test::Store(p.registry, kCurrentUser, kProgram, "bmp", Text(*c.bmp));
    test::Store(p.registry, kClassesRoot, "Paint.Picture\\DefaultIcon", "", Text("pbrush.exe,1"));
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
      SCOPED_TRACE(std::string(c.label) + ", step " + std::to_string(i));
      const Step& s = c.steps[i];
      Form4& f = Load(p);
      f.OptDontPromptAndDontLogOff1.Select();
      f.ChckThumbnails.SetValue(s.box);
      f.BtnApply.Click();
      p.forms.Close(f);
      EXPECT_EQ(s.type, p.module.QueryValue(kClassesRoot, ".bmp", ""));
      EXPECT_EQ(s.icon, p.module.QueryValue(kClassesRoot, "Paint.Picture\\DefaultIcon", ""));
      EXPECT_EQ(s.bmp, p.module.QueryValue(kCurrentUser, kProgram, "bmp"));
      Form4& again = Load(p);
      EXPECT_EQ(s.reloads_as, again.ChckThumbnails.value());
      p.forms.Close(again);
    }
  }
}

// An empty box never replaces the machine-wide owner or organisation it was not loaded from.
TEST(Apply, NameAndCompany) {
  struct Case {
    const char* name;
    const char* company;
    RegValue def_name, owner, organization;
  };
  const Case cases[] = {
      {"Ann", "Acme", S("Ann"), S("Ann"), S("Acme")},
      {"", "", S(""), S("Old owner"), S("Old org")},
      {"   ", "Acme", S(""), S("Old owner"), S("Acme")},
      {" Bob ", "", S("Bob"), S("Bob"), S("Old org")},
      {"007", "42", S("007"), S("007"), S("42")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("'") + c.name + "', '" + c.company + "'");
    test::Program p;
    test::Store(p.registry, kLocalMachine, kVersion, "RegisteredOwner", Text("Old owner"));
    test::Store(p.registry, kLocalMachine, kVersion, "RegisteredOrganization", Text("Old org"));
    Form4& f = Load(p);
    f.OptDontPromptAndDontLogOff1.Select();
    f.TxtName.SetText(c.name);
    f.TxtCompany.SetText(c.company);
    f.BtnApply.Click();
    EXPECT_EQ(c.def_name, p.module.QueryValue(kCurrentUser, kUserInfo, "DefName"));
    EXPECT_EQ(S(c.company), p.module.QueryValue(kCurrentUser, kUserInfo, "DefCompany"));
    EXPECT_EQ(c.owner, p.module.QueryValue(kLocalMachine, kVersion, "RegisteredOwner"));
    EXPECT_EQ(c.organization,
              p.module.QueryValue(kLocalMachine, kVersion, "RegisteredOrganization"));
  }
}

TEST(Apply, RefusedMachineWritesSkipOnlyThemselves) {
  test::Program p;
  p.registry.SetAccess(kLocalMachine, kVersion, MemoryRegistry::Access::kReadOnly);
  p.registry.SetAccess(kLocalMachine, "Network\\Logon", MemoryRegistry::Access::kNone);
  p.registry.SetAccess(kClassesRoot, "", MemoryRegistry::Access::kReadOnly);
  Form4& f = Load(p);
  f.OptDontPromptAndLogOff1.Select();
  f.TxtName.SetText("Ann");
  f.ChckThumbnails.SetValue(1);
  f.ChckDenyUserProfiles.SetValue(1);
  f.BtnApply.Click();
  EXPECT_EQ(kMissing, p.module.QueryValue(kLocalMachine, kVersion, "RegisteredOwner"));
  EXPECT_EQ(S("Ann"), p.module.QueryValue(kCurrentUser, kUserInfo, "DefName"));
  EXPECT_EQ(S(""), p.module.QueryValue(kCurrentUser, kProgram, "bmp"));
  EXPECT_EQ(RegValue(1), p.module.QueryValue(kCurrentUser, kSystem, "NoProfilePage"));
  EXPECT_EQ(kMissing, p.module.QueryValue(kLocalMachine, "Network\\Logon", "MustBeValidated"));
  EXPECT_EQ(S("NoPromptLogOff"), p.module.QueryValue(kCurrentUser, kProgram, "LogOffBox"));
  EXPECT_EQ(std::vector<std::string>{"LogOff"}, p.host.events);
  EXPECT_EQ(0u, p.registry.OpenHandles());
}

TEST(Apply, TypedUrlHistory) {
  struct Case {
    const char* label;
    std::vector<std::pair<const char*, const char*>> stored;
    std::vector<int> deleted;     // list positions pressed away with Delete, in turn
    std::vector<RegValue> after;  // url1 to url5
  };
  const Case cases[] = {
      {"second of three deleted",
       {{"url1", "a"}, {"url2", "b"}, {"url3", "c"}},
       {1},
       {S("a"), S("c"), kMissing, kMissing, kMissing}},
      {"gap keeps url4",
       {{"url1", "a"}, {"url2", "b"}, {"url4", "d"}},
       {0},
       {S("b"), kMissing, kMissing, S("d"), kMissing}},
      {"all deleted",
       {{"url1", "a"}, {"url2", "b"}},
       {0, 0},
       {kMissing, kMissing, kMissing, kMissing, kMissing}},
      {"digits stay text",
       {{"url1", "12345"}, {"url2", "0"}},
       {},
       {S("12345"), S("0"), kMissing, kMissing, kMissing}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test::RecordingProgram p;
    for (const auto& [name, text] : c.stored)
      test::Store(p.memory, kCurrentUser, kUrls, name, Text(text));
    Form4& f = Load(p);
    f.OptDontPromptAndDontLogOff1.Select();
    for (int position : c.deleted) {
      f.List1.SetListIndex(position);
      f.Command2.Click();
    }
    for (int round = 0; round < 2; ++round) {
      f.BtnApply.Click();
      EXPECT_EQ(f.List1.ListCount(), p.module.TypedUrlCount);
      for (int i = 0; i < 5; ++i)
        EXPECT_EQ(c.after[static_cast<std::size_t>(i)],
                  p.module.QueryValue(kCurrentUser, kUrls, "url" + std::to_string(i + 1)))
            << "round " << round << ", url" << i + 1;
    }
  }
}

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
    Form4& f = Load(p);
    dynamic_cast<ui::OptionButton&>(*f.Find(c.option)).Select();
    for (int round = 0; round < 2; ++round) {
      p.host.events.clear();
      f.BtnApply.Click();
      EXPECT_EQ(S(c.stored), p.module.QueryValue(kCurrentUser, kProgram, "LogOffBox"));
      EXPECT_EQ(c.events, p.host.events);
    }
  }
}

}  // namespace
}  // namespace quillmar
