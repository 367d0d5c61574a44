#include <gtest/gtest.h>

#include <optional>

#include "tests/support/HeadlessHost.h"
#include "tests/support/KeyPaths.h"
#include "tests/support/RecordingRegistry.h"
#include "tweak/Form4.h"

namespace quillmar {
namespace {

using test::kExplorer;
using test::kProgram;
using test::kUrls;
using test::kUserInfo;

using test::Number;
using test::Raw;
using test::Text;

template <typename P>
Form4& Load(P& p, int platform = 2) {
  p.host.platform_id = platform;
  auto* form = dynamic_cast<Form4*>(p.forms.Load("Form4"));
  if (form == nullptr) throw std::logic_error("Form4 is not registered");
  return *form;
}

TEST(Load, NothingStored) {
  for (int platform : {2, 1, 0, 3}) {
    SCOPED_TRACE(platform);
    test::RecordingProgram p;
    Form4& f = Load(p, platform);
    const bool nt = platform == 2;
    EXPECT_EQ(platform, p.module.OsPlatform);
    EXPECT_EQ(1, f.ChckSettings.value());
    EXPECT_EQ(1, f.ChckHelp.value());
    EXPECT_EQ(nt, f.ChckHelp.enabled());
    EXPECT_EQ(nt, f.ChckMyDocuments.enabled());
    EXPECT_EQ("32", f.Txtpix.text());
    EXPECT_EQ(32, f.Slider1.value());
    EXPECT_EQ("", f.TxtName.text());
    EXPECT_EQ("", f.TxtCompany.text());
    EXPECT_EQ(0, f.List1.ListCount());
    EXPECT_EQ(0, p.module.TypedUrlCount);
    EXPECT_TRUE(f.OptPrompt1.value());
    EXPECT_EQ(0, p.host.Count("MsgBox"));
    for (const auto& a : p.registry.log) EXPECT_EQ('R', a.op) << a.name;
  }
}

// States of ChckDocuments, ChckMyDocuments, ChckRecentDocuments after the load.
TEST(Load, DocumentsGroupEndStates) {
  struct Case {
    int values[3];  // NoRecentDocsMenu, NoSMMyDocs, NoRecentDocsHistory: 1 or anything else
    int nt[3];
    int nine_x[3];
  };
  const Case cases[] = {
      {{0, 0, 0}, {1, 1, 1}, {1, 1, 1}}, {{0, 0, 1}, {1, 1, 0}, {1, 1, 0}},
      {{0, 1, 0}, {1, 0, 1}, {1, 0, 1}}, {{0, 1, 1}, {0, 0, 0}, {1, 0, 0}},
      {{1, 0, 0}, {1, 1, 1}, {1, 2, 1}}, {{1, 0, 1}, {1, 1, 0}, {0, 1, 0}},
      {{1, 1, 0}, {1, 0, 1}, {1, 2, 1}}, {{1, 1, 1}, {0, 0, 0}, {0, 0, 0}},
  };
  const char* names[] = {"NoRecentDocsMenu", "NoSMMyDocs", "NoRecentDocsHistory"};
  for (const Case& c : cases) {
    for (int platform : {2, 1}) {
      SCOPED_TRACE(std::to_string(c.values[0]) + std::to_string(c.values[1]) +
                   std::to_string(c.values[2]) + " on " + std::to_string(platform));
      test::Program p;
      // A value other than 1 is the number 0 for the middle one, and missing for the others.
      for (int i = 0; i < 3; ++i)
        if (c.values[i] == 1 || i == 1)
          test::Store(p.registry, kCurrentUser, kExplorer, names[i], Number(c.values[i]));
      Form4& f = Load(p, platform);
      const int* want = platform == 2 ? c.nt : c.nine_x;
      EXPECT_EQ(want[0], f.ChckDocuments.value());
      EXPECT_EQ(want[1], f.ChckMyDocuments.value());
      EXPECT_EQ(want[2], f.ChckRecentDocuments.value());
      EXPECT_EQ(platform == 2, f.ChckMyDocuments.enabled());
    }
  }
}

TEST(Load, IconSize) {
  struct Case {
    const char* label;
    std::optional<Raw> stored;
    const char* text;
    int slider;
  };
  const Case cases[] = {
      {"missing", std::nullopt, "32", 32},
      {"number 48", Number(48), "48", 48},
      {"text with a blank", Text(" 48"), "48", 48},
      {"text 101", Text("101"), "101", 0},
      {"fraction up", Text("47.6"), "48", 48},
      {"half to even", Text("2.5"), "2", 2},
      {"fraction past 100", Text("100.6"), "100.6", 0},
      {"junk", Text("4.5.6"), "4.5.6", 0},
      {"empty text", Text(""), "32", 32},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test::Program p;
    if (c.stored)
      test::Store(p.registry, kCurrentUser, "Control Panel\\Desktop\\WindowMetrics",
                  "Shell Icon Size", *c.stored);
    Form4& f = Load(p);
    EXPECT_EQ(c.text, f.Txtpix.text());
    EXPECT_EQ(c.slider, f.Slider1.value());
    EXPECT_EQ(0, p.host.Count("MsgBox")) << "the load never checks the size";
  }
}

TEST(Load, TypedUrlsEndAtTheFirstGap) {
  struct Case {
    const char* label;
    std::vector<std::pair<const char*, Raw>> stored;
    std::vector<std::string> items;
  };
  const Case cases[] = {
      {"url1, url2, url4",
       {{"url1", Text("a.example")}, {"url2", Text("b.example")}, {"url4", Text("d.example")}},
       {"a.example", "b.example"}},
      {"no url1", {{"url2", Text("b.example")}}, {}},
      {"a number", {{"url1", Number(42)}, {"url2", Text("12345")}}, {"42", "12345"}},
      {"leading zero is another name", {{"url01", Text("a.example")}}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test::Program p;
    for (const auto& [name, raw] : c.stored)
      test::Store(p.registry, kCurrentUser, kUrls, name, raw);
    Form4& f = Load(p);
    std::vector<std::string> items;
    for (int i = 0; i < f.List1.ListCount(); ++i) items.push_back(f.List1.List(i));
    EXPECT_EQ(c.items, items);
    EXPECT_EQ(static_cast<std::int32_t>(c.items.size()), p.module.TypedUrlCount);
  }
}

TEST(Load, TextsAndLogOffChoice) {
  struct Case {
    const char* label;
    std::optional<Raw> log_off;
    std::optional<Raw> name;
    int selected;  // 0 OptPrompt1, 1 OptDontPromptAndLogOff1, 2 OptDontPromptAndDontLogOff1
    const char* name_text;
  };
  const Case cases[] = {
      {"Prompt", Text("Prompt"), Text("Ann Smith"), 0, "Ann Smith"},
      {"NoPromptLogOff", Text("NoPromptLogOff"), Number(7), 1, "7"},
      {"NoPromptNoLogOff", Text("NoPromptNoLogOff"), std::nullopt, 2, ""},
      {"lower case", Text("noPromptNoLogOff"), Text(" padded "), 0, " padded "},
      {"missing", std::nullopt, Raw{kRegBinary, "Ann"}, 0, ""},
      {"a number", Number(1), Text(""), 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test::Program p;
    if (c.log_off) test::Store(p.registry, kCurrentUser, kProgram, "LogOffBox", *c.log_off);
    if (c.name) {
      test::Store(p.registry, kCurrentUser, kUserInfo, "DefName", *c.name);
      test::Store(p.registry, kCurrentUser, kUserInfo, "DefCompany", *c.name);
    }
    test::Store(p.registry, kLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion",
                "RegisteredOwner", Text("Owner"));
    Form4& f = Load(p);
    const ui::OptionButton* options[] = {&f.OptPrompt1, &f.OptDontPromptAndLogOff1,
                                         &f.OptDontPromptAndDontLogOff1};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(i == c.selected, options[i]->value()) << i;
    EXPECT_EQ(c.name_text, f.TxtName.text());
    EXPECT_EQ(c.name_text, f.TxtCompany.text());
  }
}

// The user-profile check runs during the load too, with its message.
TEST(Load, CancelButtonRestrictionNeedsUserProfiles) {
  test::Program p;
  test::Store(p.registry, kLocalMachine, "Network\\Logon", "MustBeValidated", Number(1));
  EXPECT_EQ(0, Load(p).ChckDisableCancelButton.value());
  EXPECT_EQ(1, p.host.Count("MsgBox: At least one user profile must be created"));
}

}  // namespace
}  // namespace quillmar
