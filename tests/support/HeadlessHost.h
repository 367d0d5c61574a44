#pragma once

#include <functional>
#include <string>
#include <vector>

#include "registry/MemoryRegistry.h"
#include "registry/Module1.h"
#include "ui/Forms.h"
#include "ui/Host.h"

namespace quillmar::test {

// A host without a screen: it records what the program shows and asks, in order, and lets a
// test answer a modal window. A modal window the answer leaves open is closed as by its close
// box.
class HeadlessHost final : public ui::Host {
 public:
  void MsgBox(const std::string& text) override { events.push_back("MsgBox: " + text); }
  void Beep() override { events.push_back("Beep"); }
  void SetFocus(ui::Control& control) override {
    events.push_back("Focus: " + std::string(control.name()));
  }
  void Show(ui::Window& window, bool modal) override;
  void Close(ui::Window& window) override {
    events.push_back("Close: " + std::string(window.name()));
  }
  void LogOff() override { events.push_back("LogOff"); }
  int PlatformId() override { return platform_id; }

  // How many recorded events start with the prefix.
  int Count(const std::string& prefix) const;

  std::vector<std::string> events;
  int platform_id = 2;
  std::function<void(ui::Window&)> answer_modal;
  ui::Forms* forms = nullptr;  // set by Program, for closing a modal window left open
};

// A registry, its helpers, a headless host and the windows: one running program for a test.
struct Program {
  Program();
  MemoryRegistry registry;
  Module1 module{registry};
  HeadlessHost host;
  ui::Forms forms{host};
};

}  // namespace quillmar::test
