#pragma once

#include <windows.h>

#include "ui/Layout.h"

namespace quillmar::win32 {

// Our own class for page frames and panels: a plain child window that holds other controls.
inline constexpr wchar_t kContainerClass[] = L"QuillmarContainer";

// The standard window class and styles a control of the layout is created with. Visibility and
// the tab group of option buttons are the view's to add.
struct ClassStyle {
  const wchar_t* class_name;
  DWORD style;
  DWORD ex_style;
};

ClassStyle ClassStyleFor(const ui::ControlSpec& spec);

}  // namespace quillmar::win32
