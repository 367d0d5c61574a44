#include "logoff/Form5.h"

#include <string>

namespace quillmar {
namespace {

using ui::Kind;

const ui::WindowSpec kForm5{
    .name = "Form5",
    .caption = "Quillmar",
    .client_width = 5295,
    .client_height = 2865,
    .controls = {
        {.name = "Label1",
         .kind = Kind::kLabel,
         .caption = "You must Log off from your system to apply the changes...",
         .rect = {172, 225, 4950, 195},
         .tab_index = 1,
         .bold = true},
        {.name = "cmdLogoff",
         .kind = Kind::kButton,
         .caption = "Log off now",
         .rect = {2700, 705, 1215, 375},
         .tab_index = 0},
        {.name = "Command1",
         .kind = Kind::kButton,
         .caption = "Cancel",
         .rect = {1380, 705, 1215, 375},
         .tab_index = 2},
        {.name = "Image22",
         .kind = Kind::kImage,
         .rect = {150, 1305, 4995, 75},
         .picture = "separator_wide",
         .stretch = true},
        {.name = "OptPrompt",
         .kind = Kind::kOptionButton,
         .caption = "Prompt me next time.",
         .rect = {240, 1665, 4455, 255},
         .tab_index = 5,
         .value = 1},
        {.name = "OptDontPromptAndLogOff",
         .kind = Kind::kOptionButton,
         .caption = "Don' t prompt me next time and Log off automatically.",
         .rect = {240, 2025, 4215, 255},
         .tab_index = 4},
        {.name = "OptDontPromptAndDontLogOff",
         .kind = Kind::kOptionButton,
         .caption = "Don' t prompt me next time and don' t Log off.",
         .rect = {240, 2385, 3615, 255},
         .tab_index = 3},
    }};

}  // namespace

Form5::Form5(ui::Forms& forms, Module1& module, Location log_off_box)
    : Window(kForm5, forms),
      cmdLogoff(Get<ui::Button>("cmdLogoff")),
      Command1(Get<ui::Button>("Command1")),
      OptPrompt(Get<ui::OptionButton>("OptPrompt")),
      OptDontPromptAndLogOff(Get<ui::OptionButton>("OptDontPromptAndLogOff")),
      OptDontPromptAndDontLogOff(Get<ui::OptionButton>("OptDontPromptAndDontLogOff")),
      module_(module),
      log_off_box_(log_off_box) {
  cmdLogoff.OnClick = [this] { cmdLogoff_Click(); };
  Command1.OnClick = [this] { Command1_Click(); };
}

void Form5::Form_Load() {
  forms().host().Beep();
}

const LogOffChoice* Form5::SaveChoice() {
  for (const LogOffChoice& choice : kLogOffChoices) {
    if (!Get<ui::OptionButton>(choice.prompt_option).value()) continue;
    SaveValue(module_, log_off_box_, std::string(choice.text));
    return &choice;
  }
  return nullptr;
}

void Form5::cmdLogoff_Click() {
  SaveChoice();
  forms().host().LogOff();
  forms().Close(*this);
}

void Form5::Command1_Click() {
  const LogOffChoice* chosen = SaveChoice();
  const ui::Window* tweak = forms().Find("Form4");
  if (chosen != nullptr && tweak != nullptr)
    tweak->Get<ui::OptionButton>(chosen->tweak_option).Select();
  forms().Close(*this);
}

}  // namespace quillmar
