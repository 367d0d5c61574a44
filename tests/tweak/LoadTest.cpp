#include <gtest/gtest.h>

#include "tests/support/HeadlessHost.h"

namespace quillmar::test {
namespace {

// ChckDocuments, ChckMyDocuments and ChckRecentDocuments: 0 unchecked, 1 checked, 2 grey.
struct Documents {
  int documents, my_documents, recent_documents;
  bool operator==(const Documents&) const = default;
};

// The group's end states come from its rules running as the load sets each box.
TEST(Load, DocumentsGroupEndStates) {
  // NoRecentDocsMenu, NoSMMyDocs and NoRecentDocsHistory as stored.
  const struct {
    int menu, my_docs, history;
    Documents nt, win9x;
  } cases[] = {
      {.menu = 0, .my_docs = 1, .history = 1, .nt = {0, 0, 0}, .win9x = {1, 0, 0}},
      {.menu = 1, .my_docs = 0, .history = 0, .nt = {1, 1, 1}, .win9x = {1, 2, 1}},
  };
  for (const auto& c : cases) {
    for (const int platform : {kNt, k9x}) {
      SCOPED_TRACE(testing::Message() << c.menu << c.my_docs << c.history << " on " << platform);
      Program p;
      p.Store(kExplorer, "NoRecentDocsMenu", Dword(c.menu));
      p.Store(kExplorer, "NoSMMyDocs", Dword(c.my_docs));
      p.Store(kExplorer, "NoRecentDocsHistory", Dword(c.history));
      const Form4& f = p.Load(platform);
      const Documents loaded{f.ChckDocuments.value(), f.ChckMyDocuments.value(),
                             f.ChckRecentDocuments.value()};
      EXPECT_EQ(platform == kNt ? c.nt : c.win9x, loaded);
    }
  }
}

// Only a value that reads as the number 1 sets a box's value; each state the load sets runs its
// rules.
TEST(Load, StoredValuesBecomeStates) {
  const struct {
    Key key;
    const char* name;
    Raw stored;
    const char* control;
    int state;
  } cases[] = {
      {.key = kExplorer,
       .name = "NoFind",
       .stored = Dword(257),
       .control = "ChckFind",
       .state = kChecked},
      {.key = kExplorer,
       .name = "NoFind",
       .stored = Sz("yes"),
       .control = "ChckFind",
       .state = kChecked},
      // The item is set before the feature, so its guard never refuses it at the load.
      {.key = kExplorer,
       .name = "NoActiveDesktop",
       .stored = Dword(1),
       .control = "ChckActiveDesktop",
       .state = kChecked},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Program p;
    p.Store(c.key, c.name, c.stored);
    EXPECT_EQ(c.state, p.Load().Get<ui::CheckBox>(c.control).value());
  }
}

// The slider takes the size when it is a number from 0 to 100, the nearest for a fraction, and
// then writes it back in its plain form; otherwise it stays where it was.
TEST(Load, IconSizeSetsTheSlider) {
  const struct {
    Raw stored;
    const char* text;
    int slider;
  } cases[] = {
      {.stored = Dword(48), .text = "48", .slider = 48},
      {.stored = Sz("47.6"), .text = "48", .slider = 48},
      {.stored = Sz("2.5"), .text = "2", .slider = 2},
      {.stored = Sz("4.5.6"), .text = "4.5.6", .slider = 0},
  };
  for (const auto& c : cases) {
    Program p;
    p.Store(kMetrics, "Shell Icon Size", c.stored);
    const Form4& f = p.Load();
    EXPECT_EQ(c.text, f.Txtpix.text());
    EXPECT_EQ(c.slider, f.Slider1.value()) << c.text;
  }
}

TEST(Load, LogOffChoiceMustMatchExactly) {
  const struct {
    Raw stored;
    const char* selected;
  } cases[] = {
      {.stored = Sz("NoPromptNoLogOff"), .selected = "OptDontPromptAndDontLogOff1"},
      {.stored = Sz("noPromptNoLogOff"), .selected = "OptPrompt1"},
  };
  for (const auto& c : cases) {
    Program p;
    p.Store(kProgram, "LogOffBox", c.stored);
    EXPECT_TRUE(p.Load().Get<ui::OptionButton>(c.selected).value()) << c.selected;
  }
}

TEST(Load, WritesNothing) {
  Program p;
  for (const char* name : {"NoFind", "NoDesktop", "NoActiveDesktop"})
    p.Store(kExplorer, name, Dword(1));
  p.Store(kUrls, "url1", Sz("http://a/"));
  p.Armed([&] { p.Load(); });
  EXPECT_EQ(0, p.registry.Writes());
}

}  // namespace
}  // namespace quillmar::test
