#pragma once

#include "registry/Location.h"
#include "ui/Forms.h"
#include "ui/Window.h"

namespace quillmar {

// The agreement window: shown on a first start, closed unseen on every later one.
class Form7 final : public ui::Window {
 public:
  // `first_time` is where the first-run marker is kept.
  Form7(ui::Forms& forms, Module1& module, Location first_time);

  void Form_Load() override;
  ui::Control* InitialFocus() override { return &Text1; }
  void Command1_Click();
  void Command2_Click();

  ui::TextBox& Text1;
  ui::Button& Command1;
  ui::Button& Command2;

 private:
  void OpenTweakWindow();

  Module1& module_;
  Location first_time_;
};

}  // namespace quillmar
