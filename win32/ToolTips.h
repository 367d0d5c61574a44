#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "win32/Handles.h"

namespace quillmar::win32 {

// A window's one tooltip control: the text of each control shows when the pointer rests on it,
// wrapped to a width that follows the window's DPI.
class ToolTips {
 public:
  // Hidden and owned by `owner`; when it cannot be created, no control gets a tooltip.
  ToolTips(HWND owner, HINSTANCE instance);
  // Its text is asked for each time its tip shows, by TTN_GETDISPINFOW to its parent.
  void Add(HWND control);
  // The text of the tip about to show, lines separated by LF; kept until the next is asked for.
  void Answer(NMTTDISPINFOW& asked, const std::string& text);
  void Scale(int dpi, HFONT font);
  // The window went with its owner.
  void Forget() { hwnd_.release(); }

 private:
  UniqueHwnd hwnd_;
  std::wstring shown_;
};

}  // namespace quillmar::win32
