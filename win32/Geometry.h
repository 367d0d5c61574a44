#pragma once

#include <windows.h>

#include "ui/Layout.h"

namespace quillmar::win32 {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDefaultDpi = 96;

// Twips to pixels at a DPI, rounded to the nearest pixel.
int TwipsToPixels(int twips, int dpi);
// A layout rectangle (left, top, width, height in twips) as a pixel RECT.
RECT ToPixels(const ui::Rect& twips, int dpi);

// The DPI a window is drawn at, the system's for none; 96 where the system cannot tell.
int WindowDpi(HWND hwnd);
// The outer size of a window whose client area is width x height pixels.
SIZE OuterSize(int width, int height, DWORD style, DWORD ex_style, int dpi);
// The monitor the program's windows open on: the one its starter named, else the primary one.
HMONITOR StartMonitor();
// The top-left corner that centres a size in an area, never left of or above it.
POINT Centred(const RECT& area, SIZE size);

}  // namespace quillmar::win32
