#pragma once

#include "ui/Host.h"

namespace quillmar {

// The host of a window that is never shown: no message, no sound, no prompt, no log-off, and
// nothing told to other programs.
class QuietHost final : public ui::Host {
 public:
  explicit QuietHost(int platform_id) : platform_id_(platform_id) {}

  void MsgBox(const std::string&) override {}
  void Beep() override {}
  void SetFocus(ui::Control&) override {}
  void Show(ui::Window&, bool) override {}
  void Close(ui::Window&) override {}
  void LogOff() override {}
  int PlatformId() override { return platform_id_; }
  void SettingsChanged(bool) override {}

 private:
  int platform_id_;
};

}  // namespace quillmar
