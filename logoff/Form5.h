#pragma once

#include "logoff/LogOffChoice.h"
#include "registry/Location.h"
#include "ui/Forms.h"
#include "ui/Window.h"

namespace quillmar {

// The log-off prompt that Apply opens modally. It always opens with "Prompt me next time."
// selected; closing it by its close box writes nothing and changes nothing.
class Form5 final : public ui::Window {
 public:
  // `log_off_box` is where the choice is stored.
  Form5(ui::Forms& forms, Module1& module, Location log_off_box);

  void Form_Load() override;
  ui::Control* InitialFocus() override { return &cmdLogoff; }
  bool ClosesOnEscape() const override { return true; }
  // Stores the choice, requests the log-off whatever the choice, and closes.
  void cmdLogoff_Click();
  // Stores the choice, selects its twin in the tweak window, and closes without logging off.
  void Command1_Click();

  ui::Button& cmdLogoff;
  ui::Button& Command1;
  ui::OptionButton& OptPrompt;
  ui::OptionButton& OptDontPromptAndLogOff;
  ui::OptionButton& OptDontPromptAndDontLogOff;

 private:
  // Writes LogOffBox from the selected option; nullptr when none is selected.
  const LogOffChoice* SaveChoice();

  Module1& module_;
  Location log_off_box_;
};

}  // namespace quillmar
