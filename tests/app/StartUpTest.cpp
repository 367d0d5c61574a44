#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "tests/support/HeadlessHost.h"

namespace quillmar::test {
namespace {

TEST(StartUp, FirstTimeDecidesWhichWindowOpens) {
  const std::vector<std::string> agreement = {"Show: Form7", "Beep"};
  const std::vector<std::string> tweak = {"Close: Form7", "Show: Form4"};
  const std::pair<std::optional<Raw>, bool> cases[] = {
      {std::nullopt, true}, {Text(""), true},   {Text("First"), false},
      {Text("yes"), false}, {Number(1), false},
  };
  for (const auto& [stored, shows_agreement] : cases) {
    SCOPED_TRACE(stored ? stored->bytes : "missing");
    Program p;
    if (stored) Store(p.registry, kCurrentUser, kProgram, "FirstTime", *stored);
    Start(p.forms);
    EXPECT_EQ(shows_agreement ? agreement : tweak, p.host.events);
  }
}

// Yes opens the tweak window; only No brings the agreement back at the next start.
TEST(StartUp, AgreementAnswers) {
  using Answer = void (*)(Program&, Form7&);
  const std::tuple<Answer, bool, const char*> cases[] = {
      {[](Program&, Form7& f) { f.Command1.Click(); }, true, "First"},
      {[](Program&, Form7& f) { f.Command2.Click(); }, false, ""},
      {[](Program& p, Form7& f) { p.forms.Close(f); }, false, "First"},
  };
  for (const auto& [answer, tweak_opens, first_time] : cases) {
    SCOPED_TRACE(testing::Message() << first_time << tweak_opens);
    Program p;
    Start(p.forms);
    auto* agreement = dynamic_cast<Form7*>(p.forms.Find("Form7"));
    ASSERT_NE(nullptr, agreement);
    answer(p, *agreement);
    p.forms.Collect();
    EXPECT_EQ(tweak_opens, p.forms.AnyOpen());
    EXPECT_EQ(RegValue(std::string(first_time)),
              p.module.QueryValue(kCurrentUser, kProgram, "FirstTime"));
    Start(p.forms);
    EXPECT_EQ(*first_time == '\0', p.forms.Find("Form7") != nullptr);
  }
}

}  // namespace
}  // namespace quillmar::test
