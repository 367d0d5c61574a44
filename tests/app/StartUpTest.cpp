#include <gtest/gtest.h>

#include <optional>

#include "tests/support/HeadlessHost.h"

namespace quillmar::test {
namespace {

using Answer = void (*)(Program&, Form7&);
const Answer kYes = [](Program&, Form7& f) { f.Command1.Click(); };
const Answer kNo = [](Program&, Form7& f) { f.Command2.Click(); };
const Answer kCloseBox = [](Program& p, Form7& f) { p.forms.Close(f); };

// FirstTime as stored and the agreement's answer when it shows (only an empty or missing value
// shows it); then FirstTime, whether the tweak window is open, and the next start.
TEST(StartUp, FirstTimeAndTheAgreement) {
  const struct {
    std::optional<Raw> stored;
    Answer answer;
    const char* after;
  } cases[] = {{std::nullopt, kYes, "First"},      {Text(""), kNo, "."},
               {std::nullopt, kCloseBox, "First"}, {Text("First"), nullptr, "First"},
               {Text("yes"), nullptr, "yes"},      {Number(1), nullptr, "#1"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.after);
    Program p;
    if (c.stored) Store(p.registry, kCurrentUser, kProgram, "FirstTime", *c.stored);
    Start(p.forms);
    const std::vector<std::string> agreement = {"Show: Form7", "Beep"};
    const std::vector<std::string> tweak = {"Close: Form7", "Show: Form4"};
    EXPECT_EQ(c.answer ? agreement : tweak, p.host.events);
    if (c.answer) c.answer(p, *dynamic_cast<Form7*>(p.forms.Find("Form7")));
    p.forms.Collect();
    EXPECT_EQ(c.answer == nullptr || c.answer == kYes, p.forms.AnyOpen());
    EXPECT_EQ(c.after, p.Values(kCurrentUser, kProgram, {"FirstTime"}));
    Start(p.forms);
    EXPECT_EQ(c.answer == kNo, p.forms.Find("Form7") != nullptr);
  }
}

}  // namespace
}  // namespace quillmar::test
