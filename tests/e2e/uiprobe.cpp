// Reads the program's windows from outside, as a screen reader would: only through the names
// and states that the standard controls report to any other program. One JSON object a line.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const std::wstring& w) {
  if (w.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

std::string Json(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
    out += c < 0x20 || c == '"' || c == '\\' ? escaped : std::string(1, static_cast<char>(c));
  }
  return out + "\"";
}

// A window that does not answer within a second is reported as it stands, never waited for.
LRESULT Ask(HWND h, UINT message, WPARAM w = 0, LPARAM l = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(h, message, w, l, SMTO_ABORTIFHUNG, 1000, &result);
  return static_cast<LRESULT>(result);
}

std::wstring Text(HWND h) {
  const auto n = static_cast<std::size_t>(Ask(h, WM_GETTEXTLENGTH));
  std::wstring w(n + 1, L'\0');
  w.resize(static_cast<std::size_t>(Ask(h, WM_GETTEXT, n + 1, reinterpret_cast<LPARAM>(w.data()))));
  return w;
}

std::string ClassOf(HWND h) {
  char name[128] = {};
  GetClassNameA(h, name, sizeof name);
  return name;
}

// The tabs' places on the screen. The tab strip writes them into memory of its own process, so
// they are fetched the way accessibility tools do: through a buffer in that process.
std::string TabRects(HWND h) {
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, pid);
  if (process == nullptr) return {};
  void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
  std::string out = ",\"tabs\":[";
  const auto count = Ask(h, TCM_GETITEMCOUNT);
  for (LRESULT i = 0; remote != nullptr && i < count; ++i) {
    RECT r{};
    SIZE_T read = 0;
    Ask(h, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process, remote, &r, sizeof r, &read);
    MapWindowPoints(h, nullptr, reinterpret_cast<POINT*>(&r), 2);
    if (i > 0) out += ',';
    out += '[' + std::to_string(r.left) + ',' + std::to_string(r.top) + ',' +
           std::to_string(r.right - r.left) + ',' + std::to_string(r.bottom - r.top) + ']';
  }
  if (remote != nullptr) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return out + "]";
}

// The state a control of this class reports through its standard messages.
std::string State(HWND h, const std::string& cls) {
  if (_stricmp(cls.c_str(), "Button") == 0)
    return ",\"check\":" + std::to_string(Ask(h, BM_GETCHECK));
  if (_stricmp(cls.c_str(), WC_TABCONTROLA) == 0)
    return ",\"tab\":" + std::to_string(Ask(h, TCM_GETCURSEL)) + TabRects(h);
  if (_stricmp(cls.c_str(), TRACKBAR_CLASSA) == 0)
    return ",\"pos\":" + std::to_string(Ask(h, TBM_GETPOS));
  if (_stricmp(cls.c_str(), "ListBox") == 0) {
    std::string items = ",\"sel\":" + std::to_string(Ask(h, LB_GETCURSEL)) + ",\"items\":[";
    const auto count = Ask(h, LB_GETCOUNT);
    for (LRESULT i = 0; i < count; ++i) {
      std::wstring item(static_cast<std::size_t>(Ask(h, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
      Ask(h, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()));
      item.resize(item.size() - 1);
      if (i > 0) items += ',';
      items += Json(Utf8(item));
    }
    return items + "]";
  }
  return {};
}

void Dump(HWND h, HWND top, HWND focus, int depth) {
  RECT r{};
  GetWindowRect(h, &r);
  POINT client{0, 0};
  ClientToScreen(h, &client);
  const std::string cls = ClassOf(h);
  std::printf(
      "{\"depth\":%d,\"top\":%llu,\"class\":%s,\"text\":%s,\"visible\":%d,\"enabled\":%d,"
      "\"focus\":%d,\"rect\":[%ld,%ld,%ld,%ld],\"client\":[%ld,%ld]%s}\n",
      depth, static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(top)), Json(cls).c_str(),
      Json(Utf8(Text(h))).c_str(), IsWindowVisible(h) ? 1 : 0, IsWindowEnabled(h) ? 1 : 0,
      h == focus ? 1 : 0, r.left, r.top, r.right - r.left, r.bottom - r.top, client.x, client.y,
      State(h, cls).c_str());
  for (HWND child = GetWindow(h, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    Dump(child, top, focus, depth + 1);
}

BOOL CALLBACK Top(HWND h, LPARAM) {
  if (!IsWindowVisible(h)) return TRUE;
  const std::wstring title = Text(h);
  if (title.rfind(L"Quillmar", 0) != 0) return TRUE;
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  GetGUIThreadInfo(GetWindowThreadProcessId(h, nullptr), &gui);
  Dump(h, h, gui.hwndFocus, 0);
  return TRUE;
}

}  // namespace

int main() {
  EnumWindows(Top, 0);
  return 0;
}
