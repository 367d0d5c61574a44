// What the bench and soak programs share: a clock, and finding, reading and feeding another
// process's windows from outside, the way a user's input reaches them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace probe {

class Clock {
 public:
  Clock() {
    QueryPerformanceFrequency(&frequency_);
    Restart();
  }
  void Restart() { QueryPerformanceCounter(&start_); }
  double Ms() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) /
           static_cast<double>(frequency_.QuadPart);
  }

 private:
  LARGE_INTEGER frequency_;
  LARGE_INTEGER start_;
};

// The visible top-level window of that process with that title, or nullptr.
inline HWND FindTop(DWORD pid, const std::string& title) {
  struct Search {
    DWORD pid;
    const std::string* title;
    HWND found;
  } search{pid, &title, nullptr};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s.pid || !IsWindowVisible(window)) return TRUE;
        char text[128] = {};
        GetWindowTextA(window, text, sizeof text);
        if (*s.title != text) return TRUE;
        s.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The first descendant of that class and, unless nullptr, that text.
inline HWND FindChild(HWND window, const char* class_name, const char* text) {
  struct Child {
    const char* class_name;
    const char* text;
    HWND found;
  } child{class_name, text, nullptr};
  EnumChildWindows(
      window,
      [](HWND control, LPARAM param) -> BOOL {
        auto& c = *reinterpret_cast<Child*>(param);
        char name[64] = {};
        char caption[64] = {};
        GetClassNameA(control, name, sizeof name);
        GetWindowTextA(control, caption, sizeof caption);
        if (lstrcmpiA(name, c.class_name) != 0) return TRUE;
        if (c.text != nullptr && lstrcmpA(caption, c.text) != 0) return TRUE;
        c.found = control;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&child));
  return child.found;
}

inline constexpr char kTypedUrls[] = "Software\\Microsoft\\Internet Explorer\\TypedURLs";

// "url1" to "urlN" of the typed URL history hold N addresses, and no value after them.
inline void StoreUrls(int count) {
  static int stored = 1000000;  // unknown at first: clear generously
  HKEY key = nullptr;
  if (RegCreateKeyA(HKEY_CURRENT_USER, kTypedUrls, &key) != ERROR_SUCCESS) return;
  for (int i = count + 1; i <= stored; ++i) {
    const std::string name = "url" + std::to_string(i);
    if (RegDeleteValueA(key, name.c_str()) != ERROR_SUCCESS && stored == 1000000) break;
  }
  for (int i = 1; i <= count; ++i) {
    const std::string name = "url" + std::to_string(i);
    const std::string text = "http://www.example.com/page" + std::to_string(i) + ".html";
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
  }
  RegCloseKey(key);
  stored = count;
}

// The tweak window's reads of url1, url2, ... up to the first missing one, bare: for each value
// an open, a query of its size, one of its data and a close, as the program's helpers make them.
inline int BareUrlReads() {
  std::vector<BYTE> data;
  int read = 0;
  for (int i = 1;; ++i) {
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, kTypedUrls, &key) != ERROR_SUCCESS) break;
    const std::string name = "url" + std::to_string(i);
    DWORD type = 0;
    DWORD size = 0;
    LONG found = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
    if (found == ERROR_SUCCESS) {
      data.resize(size + 1);
      found = RegQueryValueExA(key, name.c_str(), nullptr, &type, data.data(), &size);
    }
    RegCloseKey(key);
    if (found != ERROR_SUCCESS) break;
    ++read;
  }
  return read;
}

}  // namespace probe
