#include "win32/ControlView.h"

#include "win32/ControlClass.h"
#include "win32/Geometry.h"
#include "win32/Text.h"

namespace quillmar::win32 {

COLORREF ToColorRef(ui::Colour colour) {
  return RGB(colour >> 16 & 0xFF, colour >> 8 & 0xFF, colour & 0xFF);
}

bool ControlView::Create(HWND parent, int id, ui::Colour parent_back, DWORD style) {
  parent_back_ = parent_back;
  ClassStyle c = ClassStyleFor(spec());
  c.style &= ~static_cast<DWORD>(WS_DISABLED);
  if (!model_.enabled()) c.style |= WS_DISABLED;
  c.style |= style;
  // Created where it stays: moving it afterwards costs every control a round of messages.
  const RECT r = ToPixels(spec().rect, context_.dpi());
  hwnd_.reset(CreateWindowExW(c.ex_style, c.class_name, Widen(model_.caption()).c_str(), c.style,
                              r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                              reinterpret_cast<HMENU>(INT_PTR{id}), GetModuleHandleW(nullptr),
                              this));
  if (!hwnd_) return false;
  SendMessageW(hwnd_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(context_.Font(spec().bold)),
               FALSE);
  AfterCreate();
  if (spec().autosize) Layout();
  return true;
}

RECT ControlView::PixelRect() const {
  return ToPixels(spec().rect, context_.dpi());
}

void ControlView::Layout() {
  if (!hwnd_) return;
  const RECT r = PixelRect();
  SetWindowPos(hwnd_.get(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(hwnd_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(context_.Font(spec().bold)), TRUE);
}

void ControlView::Sync() {
  if (!hwnd_) return;
  if ((IsWindowEnabled(hwnd_.get()) != FALSE) != model_.enabled())
    EnableWindow(hwnd_.get(), model_.enabled());
  const bool shown = (GetWindowLongW(hwnd_.get(), GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown != model_.visible()) ShowWindow(hwnd_.get(), model_.visible() ? SW_SHOWNA : SW_HIDE);
}

HBRUSH ControlView::BackBrush(ui::Colour colour) {
  if (!brush_ || brush_colour_ != colour) {
    brush_.reset(CreateSolidBrush(ToColorRef(colour)));
    brush_colour_ = colour;
  }
  return brush_.get();
}

HBRUSH ControlView::OnCtlColor(HDC dc) {
  const ui::ControlSpec& s = spec();
  if (s.fore == ui::kNoColour && s.back == ui::kNoColour) return nullptr;
  if (s.fore != ui::kNoColour) SetTextColor(dc, ToColorRef(s.fore));
  const ui::Colour back = s.back != ui::kNoColour ? s.back : parent_back_;
  if (back == ui::kNoColour) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
  }
  SetBkColor(dc, ToColorRef(back));
  return BackBrush(back);
}

}  // namespace quillmar::win32
