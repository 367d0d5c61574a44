#pragma once

#include <windows.h>

#include <string>

#include "win32/Handles.h"

namespace quillmar::win32 {

// A window's one tooltip control: the text of each control shows when the pointer rests on it,
// wrapped to a width that follows the window's DPI.
class ToolTips {
 public:
  // Hidden and owned by `owner`; when it cannot be created, no control gets a tooltip.
  ToolTips(HWND owner, HINSTANCE instance);
  // `text` is lines separated by LF.
  void Add(HWND control, const std::string& text);
  void Scale(int dpi, HFONT font);
  // The window went with its owner.
  void Forget() { hwnd_.release(); }

 private:
  UniqueHwnd hwnd_;
};

}  // namespace quillmar::win32
