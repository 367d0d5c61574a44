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

// The text as a JSON string in UTF-8.
std::string Text(HWND h) {
  std::wstring w(static_cast<std::size_t>(Ask(h, WM_GETTEXTLENGTH)) + 1, L'\0');
  w.resize(static_cast<std::size_t>(Ask(h, WM_GETTEXT, w.size(), reinterpret_cast<LPARAM>(&w[0]))));
  std::string utf8(w.size() * 3, '\0');
  utf8.resize(static_cast<std::size_t>(
      WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), &utf8[0],
                          static_cast<int>(utf8.size()), nullptr, nullptr)));
  std::string out = "\"";
  for (unsigned char c : utf8) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
    out += c < 0x20 || c == '"' || c == '\\' ? escaped : std::string(1, static_cast<char>(c));
  }
  return out + "\"";
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
      "{\"top\":%llu,\"class\":\"%s\",\"text\":%s,\"visible\":%d,\"enabled\":%d,\"focus\":%d,"
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
