#pragma once

#include <string>

namespace quillmar::ui {

class Control;
class Window;

// What the program asks of the platform beyond the registry.
class Host {
 public:
  virtual ~Host() = default;

  // A modal message box captioned "Quillmar 1.0" with one OK button and no icon; returns
  // when the user has closed it.
  virtual void MsgBox(const std::string& text) = 0;
  virtual void Beep() = 0;
  virtual void SetFocus(Control& control) = 0;
  // Shows a loaded window; a modal show returns only after the window has been closed.
  virtual void Show(Window& window, bool modal) = 0;
  // Takes the window off the screen; the model window is discarded by Forms afterwards.
  virtual void Close(Window& window) = 0;
  // Logs the current user off without forcing programs to close; the result is not awaited.
  virtual void LogOff() = 0;
  // The running system's platform identifier; 2 is the NT family.
  virtual int PlatformId() = 0;
  // Tells running programs that policy values changed, and the desktop metrics too when
  // `metrics`; returns within 2 s, whether they answer or not.
  virtual void SettingsChanged(bool metrics) = 0;
};

inline constexpr char kAppTitle[] = "Quillmar 1.0";

}  // namespace quillmar::ui
