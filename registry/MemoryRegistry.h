#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

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

  // How much a key and every key below it lets a caller do; a test's stand-in for permissions.
  enum class Access { kFull, kReadOnly, kNone };
  // kReadOnly: keys open and read, but creating a missing key, setting and deleting are denied.
  // kNone: opening or creating the key is denied as well. The key need not exist yet.
  void SetAccess(RegHandle root, const std::string& path, Access access);
  std::size_t OpenHandles() const { return handles_.size(); }

  struct Key;

 private:
  std::int32_t Open(RegHandle root, const std::string& path, bool create, RegHandle& key);
  Access AccessOf(RegHandle root, const std::vector<std::string>& names) const;
  Key* Resolve(RegHandle key, RegHandle& root, std::vector<std::string>& names);

  std::map<RegHandle, std::unique_ptr<Key>> roots_;
  std::vector<std::pair<std::pair<RegHandle, std::vector<std::string>>, Access>> rules_;
  struct OpenState {
    Key* key;
    RegHandle root;
    std::vector<std::string> names;
  };
  std::map<RegHandle, OpenState> handles_;
  RegHandle next_handle_ = 0x100;
};

}  // namespace quillmar
