#include "win32/ToolTips.h"

#include <commctrl.h>

#include "win32/Text.h"

namespace quillmar::win32 {
namespace {

// Wide enough for most lines of a key path and its values at 96 DPI.
constexpr int kTipWidth = 360;
// Long enough to read a key path, the longest the control allows.
constexpr int kShownMilliseconds = 32000;

}  // namespace

ToolTips::ToolTips(HWND owner, HINSTANCE instance)
    : hwnd_(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance, nullptr)) {
  if (hwnd_)
    SendMessageW(hwnd_.get(), TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(kShownMilliseconds, 0));
}

void ToolTips::Add(HWND control) {
  if (!hwnd_ || control == nullptr) return;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  SendMessageW(hwnd_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolTips::Answer(NMTTDISPINFOW& asked, const std::string& text) {
  shown_.clear();
  for (const wchar_t c : Widen(text))
    shown_ += c == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, c);
  asked.lpszText = shown_.data();
}

void ToolTips::Scale(int dpi, HFONT font) {
  if (!hwnd_) return;
  SendMessageW(hwnd_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(hwnd_.get(), TTM_SETMAXTIPWIDTH, 0, MulDiv(kTipWidth, dpi, 96));
}

}  // namespace quillmar::win32
