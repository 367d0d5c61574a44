#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "registry/RegistryBackend.h"

namespace quillmar {

// A portable registry that answers like the platform's: key and value names compare without
// regard to case, values keep their type and raw bytes, and handles are counted so that a test
// can see that every handle was closed.
class MemoryRegistry final : public RegistryBackend {
 public:
  MemoryRegistry();
  ~MemoryRegistry() override;

  std::int32_t OpenKey(RegHandle root, const std::string& path, RegHandle& key) override;
  std::int32_t CreateKey(RegHandle root, const std::string& path, RegHandle& key) override;
  std::int32_t QueryValue(RegHandle key, const std::string& name, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* size) override;
  std::int32_t SetValue(RegHandle key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override;
  std::int32_t DeleteValue(RegHandle key, const std::string& name) override;
  std::int32_t CloseKey(RegHandle key) override;

  std::size_t OpenHandles() const { return handles_.size(); }

  struct Key;

 private:
  std::int32_t Open(RegHandle root, const std::string& path, bool create, RegHandle& key);
  // The key of an open handle or a root; nullptr for anything else.
  Key* Resolve(RegHandle key);

  std::map<RegHandle, std::unique_ptr<Key>> roots_;
  std::map<RegHandle, Key*> handles_;
  RegHandle next_handle_ = 0x100;
};

}  // namespace quillmar
