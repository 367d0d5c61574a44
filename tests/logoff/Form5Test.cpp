#include <gtest/gtest.h>

#include "logoff/Form5.h"
#include "tests/support/HeadlessHost.h"
#include "tweak/Form4.h"

namespace quillmar {
namespace {

using test::kProgram;

enum class Answer { kLogOffNow, kCancel, kCloseBox };

ui::OptionButton& Option(ui::Window& w, const std::string& name) {
  return dynamic_cast<ui::OptionButton&>(*w.Find(name));
}

TEST(LogOffPrompt, EveryAnswer) {
  struct Case {
    Answer answer;
    const char* choice;  // the prompt's option, without the tweak window's trailing 1
    const char* stored;
    bool logs_off;
    const char* tweak_option;
  };
  const Case cases[] = {
      {Answer::kLogOffNow, "OptPrompt", "Prompt", true, "OptPrompt1"},
      {Answer::kLogOffNow, "OptDontPromptAndLogOff", "NoPromptLogOff", true, "OptPrompt1"},
      {Answer::kLogOffNow, "OptDontPromptAndDontLogOff", "NoPromptNoLogOff", true, "OptPrompt1"},
      {Answer::kCancel, "OptPrompt", "Prompt", false, "OptPrompt1"},
      {Answer::kCancel, "OptDontPromptAndLogOff", "NoPromptLogOff", false,
       "OptDontPromptAndLogOff1"},
      {Answer::kCancel, "OptDontPromptAndDontLogOff", "NoPromptNoLogOff", false,
       "OptDontPromptAndDontLogOff1"},
      {Answer::kCloseBox, "OptDontPromptAndDontLogOff", "Prompt", false, "OptPrompt1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.answer)) + ", " + c.choice);
    test::Program p;
    auto* tweak = dynamic_cast<Form4*>(p.forms.Load("Form4"));
    ASSERT_NE(nullptr, tweak);
    p.host.answer_modal = [&](ui::Window& w) {
      auto& prompt = dynamic_cast<Form5&>(w);
      EXPECT_TRUE(prompt.OptPrompt.value());
      EXPECT_EQ(&prompt.cmdLogoff, prompt.InitialFocus());
      Option(prompt, c.choice).Select();
      if (c.answer == Answer::kLogOffNow) prompt.cmdLogoff.Click();
      if (c.answer == Answer::kCancel) prompt.Command1.Click();
      if (c.answer == Answer::kCloseBox) p.forms.Close(prompt);
    };
    tweak->BtnApply.Click();
    p.forms.Collect();
    EXPECT_EQ(nullptr, p.forms.Find("Form5"));
    EXPECT_EQ(RegValue(std::string(c.stored)),
              p.module.QueryValue(kCurrentUser, kProgram, "LogOffBox"));
    EXPECT_EQ(c.logs_off ? 1 : 0, p.host.Count("LogOff"));
    EXPECT_TRUE(Option(*tweak, c.tweak_option).value());
    EXPECT_EQ((std::vector<std::string>{"Beep", "ShowModal: Form5"}),
              std::vector<std::string>(p.host.events.begin(), p.host.events.begin() + 2));
  }
}

// A choice made with Cancel acts from the next Apply on, and every opening starts afresh.
TEST(LogOffPrompt, ChoiceActsFromTheNextApply) {
  test::Program p;
  auto* tweak = dynamic_cast<Form4*>(p.forms.Load("Form4"));
  ASSERT_NE(nullptr, tweak);
  int openings = 0;
  p.host.answer_modal = [&](ui::Window& w) {
    auto& prompt = dynamic_cast<Form5&>(w);
    EXPECT_TRUE(prompt.OptPrompt.value()) << "opening " << openings;
    ++openings;
    prompt.OptDontPromptAndLogOff.Select();
    if (openings == 2) prompt.Command1.Click();
  };
  tweak->BtnApply.Click();
  EXPECT_EQ(RegValue(std::string("Prompt")),
            p.module.QueryValue(kCurrentUser, kProgram, "LogOffBox"))
      << "closed by its close box";
  tweak->BtnApply.Click();
  EXPECT_EQ(0, p.host.Count("LogOff"));
  EXPECT_TRUE(tweak->OptDontPromptAndLogOff1.value());
  p.host.events.clear();
  tweak->BtnApply.Click();
  EXPECT_EQ(2, openings);
  EXPECT_EQ(std::vector<std::string>{"LogOff"}, p.host.events);
}

}  // namespace
}  // namespace quillmar
