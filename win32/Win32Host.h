#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "ui/Forms.h"
#include "ui/Host.h"
#include "win32/Pictures.h"
#include "win32/SystemDlls.h"
#include "win32/WindowView.h"

namespace quillmar::win32 {

// The running system's platform identifier; 2 is the NT family.
int SystemPlatformId();

// The program's platform: real windows, message boxes, the beep and the log-off call.
class Win32Host : public ui::Host {
 public:
  explicit Win32Host(HINSTANCE instance) : instance_(instance), pictures_(instance) {}

  // The windows whose close boxes this host reports; set once, before the first Show.
  void Attach(ui::Forms& forms) { forms_ = &forms; }

  void MsgBox(const std::string& text) override;
  void Beep() override;
  void SetFocus(ui::Control& control) override;
  void Show(ui::Window& window, bool modal) override;
  void Close(ui::Window& window) override;
  void LogOff() override;
  int PlatformId() override;
  void SettingsChanged(bool metrics) override;

  // The view of a model window, created hidden on first use; null when it cannot be created.
  WindowView* Realize(ui::Window& window);
  // The view of an open window; null when it has none.
  WindowView* Find(const ui::Window& window) const;
  // Handles the keyboard navigation between controls; true when the message was used.
  bool PreTranslate(MSG& message);
  // Discards the views of closed windows; call it only when no window procedure is running.
  void Collect() { closed_.clear(); }

  // The platform's log-off request; a test puts a recorder in its place.
  BOOL(WINAPI* exit_windows)(UINT flags, DWORD reason) = ExitWindowsEx;

 private:
  // Our window that is active, or else the last one shown that takes input.
  HWND ActiveWindow() const;
  void RunModal(const WindowView& view);

  // Loaded before the first window and freed after the last.
  WindowDlls dlls_;
  HINSTANCE instance_;
  PictureCache pictures_;
  ui::Forms* forms_ = nullptr;
  std::vector<std::unique_ptr<WindowView>> open_;
  std::vector<std::unique_ptr<WindowView>> closed_;
};

}  // namespace quillmar::win32
