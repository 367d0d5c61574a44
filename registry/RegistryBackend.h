#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace quillmar {

// A key handle as the platform hands it out; 0 is no key.
using RegHandle = std::uintptr_t;

// The predefined roots, as the platform numbers them.
inline constexpr RegHandle kClassesRoot = 0x80000000u;
inline constexpr RegHandle kCurrentUser = 0x80000001u;
inline constexpr RegHandle kLocalMachine = 0x80000002u;

// The predefined roots with their names as a registry editor spells them, in full and short.
struct NamedRoot {
  RegHandle handle;
  std::string_view name;
  std::string_view short_name;
};
inline constexpr std::array kNamedRoots{NamedRoot{kClassesRoot, "HKEY_CLASSES_ROOT", "HKCR"},
                                        NamedRoot{kCurrentUser, "HKEY_CURRENT_USER", "HKCU"},
                                        NamedRoot{kLocalMachine, "HKEY_LOCAL_MACHINE", "HKLM"}};

// The root's name spelled in full; empty for any other handle.
constexpr std::string_view RootName(RegHandle root) {
  for (const NamedRoot& r : kNamedRoots)
    if (r.handle == root) return r.name;
  return {};
}

// Value types, as the platform numbers them.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;
inline constexpr std::uint32_t kRegQword = 11;

// Result codes, as the platform numbers them.
inline constexpr std::int32_t kSuccess = 0;
inline constexpr std::int32_t kFileNotFound = 2;
inline constexpr std::int32_t kAccessDenied = 5;
inline constexpr std::int32_t kInvalidHandle = 6;
inline constexpr std::int32_t kInvalidParameter = 87;
inline constexpr std::int32_t kMoreData = 234;

// The six single-byte registry operations the helpers use, with the platform's contracts:
// texts are bytes in the ANSI code page, and every call returns the platform's result code.
class RegistryBackend {
 public:
  virtual ~RegistryBackend() = default;

  // Opens an existing key; `key` is left untouched on failure.
  virtual std::int32_t OpenKey(RegHandle root, const std::string& path, RegHandle& key) = 0;
  // Opens the key, creating it and every missing key above it first.
  virtual std::int32_t CreateKey(RegHandle root, const std::string& path, RegHandle& key) = 0;
  // With `data` null: reports type and size in bytes. With `data`: fills at most *size bytes and
  // reports the size written, or kMoreData with the size needed. Any pointer may be null.
  virtual std::int32_t QueryValue(RegHandle key, const std::string& name, std::uint32_t* type,
                                  std::uint8_t* data, std::uint32_t* size) = 0;
  virtual std::int32_t SetValue(RegHandle key, const std::string& name, std::uint32_t type,
                                const std::uint8_t* data, std::uint32_t size) = 0;
  virtual std::int32_t DeleteValue(RegHandle key, const std::string& name) = 0;
  // Releases the handle; the handle 0 is answered with a failure code.
  virtual std::int32_t CloseKey(RegHandle key) = 0;
};

// How the platform answers a query of a value that is there, for a back end that holds its
// bytes: the type and the size always, the data only into a buffer large enough for it.
inline std::int32_t AnswerQuery(std::uint32_t stored_type, const std::uint8_t* bytes,
                                std::uint32_t needed, std::uint32_t* type, std::uint8_t* data,
                                std::uint32_t* size) {
  if (type != nullptr) *type = stored_type;
  std::int32_t result = kSuccess;
  if (data != nullptr) {
    if (*size < needed) {
      result = kMoreData;
    } else if (needed > 0) {
      std::memcpy(data, bytes, needed);
    }
  }
  if (size != nullptr) *size = needed;
  return result;
}

}  // namespace quillmar
