#pragma once

#include "registry/RegistryBackend.h"

namespace quillmar {

// Owns one key handle for the length of a helper call. Close() hands back the platform's
// answer, and is made even for the handle 0 because the helpers record that answer too; the
// destructor releases whatever an early exit left open.
class KeyHandle {
 public:
  explicit KeyHandle(RegistryBackend& registry) : registry_(registry) {}
  KeyHandle(const KeyHandle&) = delete;
  KeyHandle& operator=(const KeyHandle&) = delete;
  ~KeyHandle() {
    if (handle_ != 0) registry_.CloseKey(handle_);
  }

  RegHandle& get() { return handle_; }
  explicit operator bool() const { return handle_ != 0; }

  std::int32_t Close() {
    const std::int32_t result = registry_.CloseKey(handle_);
    handle_ = 0;
    return result;
  }

 private:
  RegistryBackend& registry_;
  RegHandle handle_ = 0;
};

}  // namespace quillmar
