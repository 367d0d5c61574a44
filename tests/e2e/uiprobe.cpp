// Reads the program's windows from outside, as a screen reader would: only through the names
// and states that the standard controls report to any other program. One JSON object a line.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {

// A window that does not answer within a second is reported as it stands, never waited for.
LRESULT Ask(HWND h, UINT message, WPARAM w = 0, LPARAM l = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(h, message, w, l, SMTO_ABORTIFHUNG, 1000, &result);
  return static_cast<LRESULT>(result);
}

// The text as hexadecimal UTF-16 code units, which need no escaping in JSON.
std::string Text(HWND h) {
  wchar_t text[4096] = {};
  Ask(h, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
  std::string hex;
  for (const wchar_t* c = text; *c != L'\0'; ++c)
    for (int shift = 12; shift >= 0; shift -= 4) hex += "0123456789abcdef"[*c >> shift & 15];
  return hex;
}

void Dump(HWND h, HWND top, HWND focus) {
  RECT r{};
  GetWindowRect(h, &r);
  char cls[64] = {};
  GetClassNameA(h, cls, sizeof cls);
  std::string state;
  if (_stricmp(cls, "Button") == 0) state = ",\"check\":" + std::to_string(Ask(h, BM_GETCHECK));
  if (_stricmp(cls, WC_TABCONTROLA) == 0)
    state = ",\"tab\":" + std::to_string(Ask(h, TCM_GETCURSEL));
  if (_stricmp(cls, TRACKBAR_CLASSA) == 0) state = ",\"pos\":" + std::to_string(Ask(h, TBM_GETPOS));
  std::printf(
      "{\"top\":%llu,\"class\":\"%s\",\"text\":\"%s\",\"visible\":%d,\"enabled\":%d,\"focus\":%d,"
      "\"rect\":[%ld,%ld,%ld,%ld]%s}\n",
      static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(top)), cls, Text(h).c_str(),
      IsWindowVisible(h) ? 1 : 0, IsWindowEnabled(h) ? 1 : 0, h == focus ? 1 : 0, r.left, r.top,
      r.right - r.left, r.bottom - r.top, state.c_str());
  for (HWND child = GetWindow(h, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    Dump(child, top, focus);
}

BOOL CALLBACK Top(HWND h, LPARAM) {
  wchar_t title[16] = {};
  GetWindowTextW(h, title, 16);
  if (!IsWindowVisible(h) || wcsncmp(title, L"Quillmar", 8) != 0) return TRUE;
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  GetGUIThreadInfo(GetWindowThreadProcessId(h, nullptr), &gui);
  Dump(h, h, gui.hwndFocus);
  return TRUE;
}

}  // namespace

int main() {
  return EnumWindows(Top, 0) ? 0 : 1;
}
