#pragma once

#include <cstdint>
#include <string>

#include "registry/RegValue.h"
#include "registry/RegistryBackend.h"

namespace quillmar {

// What a read found: a value it could decode, nothing there (the key or the value does not
// exist), something it could not decode (another type, a malformed number, a text too large), or
// a call the registry refused with any other code.
enum class ReadOutcome { kValue, kMissing, kUnreadable, kRefused };

// The registry helpers every window goes through, with the values they keep for the whole run.
// Each helper opens or creates one key, does one job and closes it; the platform's result code of
// the latest call lands in LastRegResult and the helper carries on. What a helper reports of its
// success is an addition that callers may ignore.
class Module1 {
 public:
  explicit Module1(RegistryBackend& registry) : registry_(registry) {}

  // True when the key can be opened; `opened`, when given, receives the open's result code.
  bool KeyExists(RegHandle root, const std::string& path, std::int32_t* opened = nullptr);
  // A REG_SZ value as text up to its first NUL, a REG_DWORD as its number; anything else, and
  // any failure, reads as the empty text; `outcome`, when given, tells which of the three it was.
  RegValue QueryValue(RegHandle root, const std::string& path, const std::string& name,
                      ReadOutcome* outcome = nullptr);
  // REG_DWORD for a numeric value, otherwise REG_SZ of the text trimmed of spaces; SaveAsText
  // forces REG_SZ for this one call and is cleared by every call. True when the value was set,
  // even if closing the key then failed.
  bool SaveValue(RegHandle root, const std::string& path, const std::string& name,
                 const RegValue& value);
  // Removes the value; a missing key is left alone and never created. True when the value is
  // gone afterwards, also when the key or the value was already missing.
  bool DeleteValue(RegHandle root, const std::string& path, const std::string& name);

  std::int32_t LastRegResult = 0;
  bool SaveAsText = false;
  // The running system's platform identifier, stored by the tweak window's load; 2 is NT.
  std::int16_t OsPlatform = 0;
  // How many typed URL values the list held at the last load or Apply. Wider than the 16 bits
  // the history once had, so that a long history never wraps.
  std::int32_t TypedUrlCount = 0;
  // Set by a load that a refused read stopped: what lies past the list is unknown, so Apply
  // deletes no typed URL value beyond those it writes.
  bool TypedUrlEndUnknown = false;

 private:
  RegistryBackend& registry_;
};

}  // namespace quillmar
