// The floor of the tweak window's start-up for what it shows: the window and the controls of its
// first page, created bare from the layout table with the classes, styles and fonts the program
// gives them, then shown the same way. No registry, no model, no icon, no other page; started
// with the argument "urls", it first reads the stored typed URLs bare, as the load does.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <string>
#include <string_view>

#include "bench/Probe.h"
#include "tweak/Form4Layout.h"
#include "win32/ControlClass.h"
#include "win32/Fonts.h"
#include "win32/Geometry.h"
#include "win32/Text.h"
#include "win32/WindowView.h"

namespace {

using namespace quillmar;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, w, l);
}

bool Register(HINSTANCE instance, const wchar_t* name) {
  WNDCLASSW c{};
  c.lpfnWndProc = Procedure;
  c.hInstance = instance;
  c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  c.lpszClassName = name;
  return RegisterClassW(&c) != 0;
}

HWND CreateControl(const ui::ControlSpec& spec, HWND parent, int id, int dpi,
                   const win32::FontSet& fonts) {
  const win32::ClassStyle c = win32::ClassStyleFor(spec);
  const RECT r = win32::ToPixels(spec.rect, dpi);
  HWND control = CreateWindowExW(
      c.ex_style, c.class_name, win32::Widen(std::string(spec.caption)).c_str(),
      c.style | WS_VISIBLE | WS_GROUP, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
      reinterpret_cast<HMENU>(INT_PTR{id}), nullptr, nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.Get(spec.bold)), FALSE);
  for (std::size_t i = 0; i < spec.items.size(); ++i) {
    std::wstring caption = win32::Widen(std::string(spec.items[i]));
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(control, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  return control;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  if (wcscmp(arguments, L"urls") == 0) probe::BareUrlReads();
  if (!Register(instance, L"BareWindow") || !Register(instance, win32::kContainerClass)) return 1;
  const ui::WindowSpec& spec = Form4Layout();
  const int dpi = win32::WindowDpi(nullptr);
  constexpr DWORD kStyle = win32::WindowView::kStyle;
  const SIZE outer =
      win32::OuterSize(win32::TwipsToPixels(spec.client_width, dpi),
                       win32::TwipsToPixels(spec.client_height, dpi), kStyle, 0, dpi);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const POINT at = win32::Centred(monitor.rcWork, outer);
  HWND window =
      CreateWindowExW(0, L"BareWindow", win32::Widen(std::string(spec.caption)).c_str(), kStyle,
                      at.x, at.y, outer.cx, outer.cy, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  const win32::FontSet fonts(dpi);
  // The first page is the one shown; the tab strip lies beneath the pages.
  const auto& all = spec.controls;
  const auto first_page = std::find_if(
      all.begin(), all.end(), [](const ui::ControlSpec& c) { return c.kind == ui::Kind::kFrame; });
  std::map<std::string_view, HWND> parents{{"", window}};
  for (const bool tabs : {false, true}) {
    for (std::size_t i = 0; i < all.size(); ++i) {
      const ui::ControlSpec& c = all[i];
      const auto parent = parents.find(c.parent);
      if (c.kind == ui::Kind::kImage || (c.kind == ui::Kind::kTabStrip) != tabs ||
          parent == parents.end() || (c.kind == ui::Kind::kFrame && &c != &*first_page))
        continue;
      parents[c.name] = CreateControl(c, parent->second, 100 + static_cast<int>(i), dpi, fonts);
    }
  }
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_DEFERERASE);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
