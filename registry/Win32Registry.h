#pragma once

#include "registry/RegistryBackend.h"

namespace quillmar {

// The platform's own registry through advapi32's single-byte calls. Windows build only.
class Win32Registry final : public RegistryBackend {
 public:
  std::int32_t OpenKey(RegHandle root, const std::string& path, RegHandle& key) override;
  std::int32_t CreateKey(RegHandle root, const std::string& path, RegHandle& key) override;
  std::int32_t QueryValue(RegHandle key, const std::string& name, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* size) override;
  std::int32_t SetValue(RegHandle key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override;
  std::int32_t DeleteValue(RegHandle key, const std::string& name) override;
  std::int32_t CloseKey(RegHandle key) override;
};

}  // namespace quillmar
