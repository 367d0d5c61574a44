#include "registry/Win32Registry.h"

#include <windows.h>

namespace quillmar {
namespace {

// The roots travel as their 32-bit numbers; the platform's predefined handles are those numbers
// sign-extended to pointer width.
HKEY ToHkey(RegHandle h) {
  if (h == kClassesRoot) return HKEY_CLASSES_ROOT;
  if (h == kCurrentUser) return HKEY_CURRENT_USER;
  if (h == kLocalMachine) return HKEY_LOCAL_MACHINE;
  return reinterpret_cast<HKEY>(h);
}

template <typename Call>
std::int32_t Opened(RegHandle& key, Call call) {
  HKEY handle = nullptr;
  const LONG result = call(&handle);
  if (handle != nullptr) key = reinterpret_cast<RegHandle>(handle);
  return result;
}

}  // namespace

std::int32_t Win32Registry::OpenKey(RegHandle root, const std::string& path, RegHandle& key) {
  return Opened(key, [&](HKEY* h) { return RegOpenKeyA(ToHkey(root), path.c_str(), h); });
}

std::int32_t Win32Registry::CreateKey(RegHandle root, const std::string& path, RegHandle& key) {
  return Opened(key, [&](HKEY* h) { return RegCreateKeyA(ToHkey(root), path.c_str(), h); });
}

std::int32_t Win32Registry::QueryValue(RegHandle key, const std::string& name, std::uint32_t* type,
                                       std::uint8_t* data, std::uint32_t* size) {
  DWORD t = type != nullptr ? *type : 0;
  DWORD s = size != nullptr ? *size : 0;
  const LONG result =
      RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, type != nullptr ? &t : nullptr, data,
                       size != nullptr ? &s : nullptr);
  if (type != nullptr) *type = t;
  if (size != nullptr) *size = s;
  return result;
}

std::int32_t Win32Registry::SetValue(RegHandle key, const std::string& name, std::uint32_t type,
                                     const std::uint8_t* data, std::uint32_t size) {
  return RegSetValueExA(ToHkey(key), name.c_str(), 0, type, data, size);
}

std::int32_t Win32Registry::DeleteValue(RegHandle key, const std::string& name) {
  return RegDeleteValueA(ToHkey(key), name.c_str());
}

std::int32_t Win32Registry::CloseKey(RegHandle key) {
  return RegCloseKey(ToHkey(key));
}

}  // namespace quillmar
