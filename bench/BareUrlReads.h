#pragma once

#include <windows.h>

#include <string>
#include <vector>

inline constexpr char kBareTypedUrls[] = "Software\\Microsoft\\Internet Explorer\\TypedURLs";

// The tweak window's reads of url1, url2, ... up to the first missing one, bare: for each value
// an open, a query of its size, one of its data and a close, as the program's helpers make them.
inline int BareUrlReads() {
  std::vector<BYTE> data;
  int read = 0;
  for (int i = 1;; ++i) {
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, kBareTypedUrls, &key) != ERROR_SUCCESS) break;
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
