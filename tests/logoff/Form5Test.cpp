#include <gtest/gtest.h>

#include "logoff/Form5.h"
#include "tests/support/HeadlessHost.h"

namespace quillmar::test {
namespace {

enum Answer { kLogOffNow, kCancel, kCloseBox };
const std::string kOptions[] = {"OptPrompt", "OptDontPromptAndLogOff",
                                "OptDontPromptAndDontLogOff"};

ui::OptionButton& Option(ui::Window& w, const std::string& name) {
  return dynamic_cast<ui::OptionButton&>(*w.Find(name));
}

// Every answer, and the next Apply: a choice acts from then on; each prompt starts afresh.
TEST(LogOffPrompt, EveryAnswerAndTheNextApply) {
  const struct {
    Answer answer;
    int choice;  // in kOptions
    const char* stored;
    int tweak_option;  // the tweak window's twin of kOptions selected afterwards
    char next;         // the next Apply: 'P' prompts, 'L' logs off at once, '-' does neither
  } cases[] = {
      {kLogOffNow, 1, "NoPromptLogOff", 0, 'P'}, {kLogOffNow, 2, "NoPromptNoLogOff", 0, 'P'},
      {kCancel, 1, "NoPromptLogOff", 1, 'L'},    {kCancel, 2, "NoPromptNoLogOff", 2, '-'},
      {kCloseBox, 2, "Prompt", 0, 'P'},
  };
  const std::map<char, std::vector<std::string>> next = {
      {'P', {"Beep", "ShowModal: Form5", "Close: Form5"}}, {'L', {"LogOff"}}, {'-', {}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    Program p;
    Form4& tweak = p.Load();
    p.host.answer_modal = [&](ui::Window& w) {
      auto& prompt = dynamic_cast<Form5&>(w);
      EXPECT_EQ(&prompt.cmdLogoff, prompt.InitialFocus());
      Option(prompt, kOptions[c.choice]).Select();
      if (c.answer == kLogOffNow) prompt.cmdLogoff.Click();
      if (c.answer == kCancel) prompt.Command1.Click();
      if (c.answer == kCloseBox) p.forms.Close(prompt);
    };
    tweak.BtnApply.Click();
    p.forms.Collect();
    EXPECT_EQ(RegValue(std::string(c.stored)),
              p.module.QueryValue(kCurrentUser, kProgram, "LogOffBox"));
    EXPECT_EQ(c.answer == kLogOffNow ? 1 : 0, p.host.Count("LogOff"));
    EXPECT_TRUE(Option(tweak, kOptions[c.tweak_option] + "1").value());
    EXPECT_EQ("ShowModal: Form5", p.host.events.at(1)) << "after the beep";
    p.host.events.clear();
    p.host.answer_modal = [](ui::Window& w) { EXPECT_TRUE(Option(w, kOptions[0]).value()); };
    tweak.BtnApply.Click();
    EXPECT_EQ(next.at(c.next), p.host.events);
  }
}

}  // namespace
}  // namespace quillmar::test
