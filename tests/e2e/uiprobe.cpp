// Reads the windows from outside, only through what standard controls report: a line for each
// shown window of the program, a JSON array of itself and its controls; a shown tip, of its own.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

namespace {

// A window that does not answer within a second is reported as it stands, never waited for.
LRESULT Ask(HWND h, UINT message, WPARAM w = 0, LPARAM l = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(h, message, w, l, SMTO_ABORTIFHUNG, 1000, &result);
  return static_cast<LRESULT>(result);
}

void Dump(HWND h, HWND focus, const char* before = ",") {
  wchar_t text[4096] = {};
  Ask(h, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
  char escaped[6 * 4096] = {}, *end = escaped;  // UTF-16 code units as JSON escapes them
  for (const wchar_t* c = text; *c != L'\0'; ++c) end += std::sprintf(end, "\\u%04x", *c);
  RECT r{};
  GetWindowRect(h, &r);
  char cls[64] = {};
  GetClassNameA(h, cls, sizeof cls);
  const UINT state = _stricmp(cls, "Button") == 0          ? BM_GETCHECK
                     : _stricmp(cls, WC_TABCONTROLA) == 0  ? TCM_GETCURSEL
                     : _stricmp(cls, TRACKBAR_CLASSA) == 0 ? TBM_GETPOS
                     : _stricmp(cls, WC_STATICA) == 0      ? STM_GETICON
                                                           : 0;
  std::printf(
      "%s{\"class\":\"%s\",\"text\":\"%s\",\"visible\":%d,\"enabled\":%d,\"focus\":%d,"
      "\"rect\":[%ld,%ld,%ld,%ld],\"state\":%lld}",
      before, cls, escaped, IsWindowVisible(h) ? 1 : 0, IsWindowEnabled(h) ? 1 : 0,
      h == focus ? 1 : 0, r.left, r.top, r.right - r.left, r.bottom - r.top,
      state ? static_cast<long long>(Ask(h, state)) : 0LL);
  for (HWND child = GetWindow(h, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    Dump(child, focus);
}

BOOL CALLBACK Top(HWND h, LPARAM) {
  wchar_t title[16] = {};
  GetWindowTextW(h, title, 16);
  char cls[64] = {};
  GetClassNameA(h, cls, sizeof cls);
  if (!IsWindowVisible(h) ||
      (wcsncmp(title, L"Quillmar", 8) != 0 && _stricmp(cls, TOOLTIPS_CLASSA) != 0))
    return TRUE;
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  GetGUIThreadInfo(GetWindowThreadProcessId(h, nullptr), &gui);
  Dump(h, gui.hwndFocus, "[");
  std::printf("]\n");
  return TRUE;
}

}  // namespace

int main() {
  return EnumWindows(Top, 0) ? 0 : 1;
}
