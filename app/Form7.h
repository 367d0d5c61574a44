#pragma once

#include "ui/Forms.h"
#include "ui/Window.h"

namespace quillmar {

// The agreement window: shown on a first start, closed unseen on every later one.
class Form7 final : public ui::Window {
 public:
  explicit Form7(ui::Forms& forms);

  void Form_Load() override;
  ui::Control* InitialFocus() override { return &Text1; }
  void Command1_Click();
  void Command2_Click();

  ui::TextBox& Text1;
  ui::Button& Command1;
  ui::Button& Command2;

 private:
  void OpenTweakWindow();
};

}  // namespace quillmar
