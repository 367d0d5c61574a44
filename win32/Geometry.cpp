#include "win32/Geometry.h"

#include <algorithm>

namespace quillmar::win32 {
namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForSystemFn = UINT(WINAPI*)();
using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// Looked up at run time: older systems lack the per-monitor DPI calls.
template <typename Fn>
Fn User32(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

}  // namespace

int TwipsToPixels(int twips, int dpi) {
  return MulDiv(twips, dpi, kTwipsPerInch);
}

RECT ToPixels(const ui::Rect& twips, int dpi) {
  const int left = TwipsToPixels(twips.left, dpi);
  const int top = TwipsToPixels(twips.top, dpi);
  return {left, top, left + TwipsToPixels(twips.width, dpi),
          top + TwipsToPixels(twips.height, dpi)};
}

int WindowDpi(HWND hwnd) {
  static const auto get_dpi = User32<GetDpiForWindowFn>("GetDpiForWindow");
  static const auto system_dpi = User32<GetDpiForSystemFn>("GetDpiForSystem");
  const UINT known = hwnd == nullptr ? (system_dpi != nullptr ? system_dpi() : 0)
                                     : (get_dpi != nullptr ? get_dpi(hwnd) : 0);
  if (known != 0) return static_cast<int>(known);
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDefaultDpi;
}

SIZE OuterSize(int width, int height, DWORD style, DWORD ex_style, int dpi) {
  static const auto adjust = User32<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  RECT rect{0, 0, width, height};
  const BOOL done = adjust != nullptr
                        ? adjust(&rect, style, FALSE, ex_style, static_cast<UINT>(dpi))
                        : AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  if (!done) rect = {0, 0, width, height};
  return {rect.right - rect.left, rect.bottom - rect.top};
}

HMONITOR StartMonitor() {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  if ((startup.dwFlags & STARTF_USEPOSITION) != 0)
    return MonitorFromPoint({static_cast<LONG>(startup.dwX), static_cast<LONG>(startup.dwY)},
                            MONITOR_DEFAULTTOPRIMARY);
  // The shell names the monitor it was used on in place of the output handle, as it does for
  // every program whose first window opens where the system chooses.
  constexpr DWORD kMonitorNamed = 0x400;
  if ((startup.dwFlags & (kMonitorNamed | STARTF_USESTDHANDLES)) == kMonitorNamed) {
    const auto named = static_cast<HMONITOR>(startup.hStdOutput);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(named, &info)) return named;
  }
  return MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
}

POINT Centred(const RECT& area, SIZE size) {
  const LONG x = area.left + (area.right - area.left - size.cx) / 2;
  const LONG y = area.top + (area.bottom - area.top - size.cy) / 2;
  return {std::max(x, area.left), std::max(y, area.top)};
}

}  // namespace quillmar::win32
