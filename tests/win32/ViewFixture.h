#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "registry/MemoryRegistry.h"
#include "registry/Module1.h"
#include "ui/Forms.h"
#include "win32/Win32Host.h"

namespace quillmar::test {

// The real host, except that what would wait for the user is recorded instead.
class RecordingHost final : public win32::Win32Host {
 public:
  RecordingHost() : Win32Host(GetModuleHandleW(nullptr)) {}
  void MsgBox(const std::string& text) override {
    events.push_back("MsgBox: " + text);
    if (while_message) while_message();
  }
  void Beep() override { events.push_back("Beep"); }
  void LogOff() override { events.push_back("LogOff"); }
  std::vector<std::string> events;
  // Runs while a message is up, as the user's clicks behind it would.
  std::function<void()> while_message;
};

// A program whose windows are real but never need a display.
class ViewTest : public ::testing::Test {
 protected:
  ViewTest();
  ~ViewTest() override;

  // Loads a window and creates its real, hidden view.
  win32::WindowView& Open(const std::string& name);
  // The control's window in the view of the named window.
  HWND Control(const std::string& window, const std::string& control);
  // What the control's window would send its parent.
  static void Command(HWND control, WORD code);
  static LRESULT Notify(HWND control, UINT code);
  static void Scroll(HWND slider, WORD code);
  // Dispatches everything that is waiting in the queue.
  static void Pump();

  MemoryRegistry registry;
  Module1 module{registry};
  RecordingHost host;
  ui::Forms forms{host};
};

}  // namespace quillmar::test
