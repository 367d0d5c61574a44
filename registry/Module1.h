#pragma once

#include <cstdint>
#include <string>

#include "registry/RegValue.h"
#include "registry/RegistryBackend.h"

namespace quillmar {

// The registry helpers every window goes through, with the values they keep for the whole run.
// Each helper opens or creates one key, does one job and closes it; no failure is reported:
// the platform's result code of the latest call lands in LastRegResult and the helper carries on.
class Module1 {
 public:
  explicit Module1(RegistryBackend& registry) : registry_(registry) {}

  // True when the key can be opened.
  bool KeyExists(RegHandle root, const std::string& path);
  // A REG_SZ value as text up to its first NUL, a REG_DWORD as its number; anything else, and
  // any failure, reads as the empty text.
  RegValue QueryValue(RegHandle root, const std::string& path, const std::string& name);
  // REG_DWORD for a numeric value, otherwise REG_SZ of the text trimmed of spaces; SaveAsText
  // forces REG_SZ for this one call and is cleared by every call.
  void SaveValue(RegHandle root, const std::string& path, const std::string& name,
                 const RegValue& value);
  // Removes the value; a missing key is left alone and never created.
  void DeleteValue(RegHandle root, const std::string& path, const std::string& name);

  std::int32_t LastRegResult = 0;
  bool SaveAsText = false;
  // The running system's platform identifier, stored by the tweak window's load; 2 is NT.
  std::int16_t OsPlatform = 0;
  // How many typed URL values the list held at the last load or Apply. Wider than the 16 bits
  // the history once had, so that a long history never wraps.
  std::int32_t TypedUrlCount = 0;

 private:
  RegistryBackend& registry_;
};

}  // namespace quillmar
