#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/Start.h"
#include "registry/MemoryRegistry.h"
#include "registry/Module1.h"
#include "registry/RegistryBackend.h"
#include "tests/support/HeadlessHost.h"
#include "ui/Forms.h"

namespace quillmar::test {

// Forwards to another registry and records every value a caller reads, writes or deletes.
class RecordingRegistry final : public RegistryBackend {
 public:
  struct Access {
    char op;  // 'R' read, 'W' write, 'D' delete
    RegHandle root;
    std::string path;
    std::string name;
  };

  explicit RecordingRegistry(RegistryBackend& inner) : inner_(inner) {}

  std::int32_t OpenKey(RegHandle root, const std::string& path, RegHandle& key) override {
    const std::int32_t result = inner_.OpenKey(root, path, key);
    if (result == kSuccess) keys_[key] = {root, path};
    return result;
  }
  std::int32_t CreateKey(RegHandle root, const std::string& path, RegHandle& key) override {
    const std::int32_t result = inner_.CreateKey(root, path, key);
    if (result == kSuccess) keys_[key] = {root, path};
    return result;
  }
  std::int32_t QueryValue(RegHandle key, const std::string& name, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* size) override {
    Record('R', key, name);
    return inner_.QueryValue(key, name, type, data, size);
  }
  std::int32_t SetValue(RegHandle key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override {
    Record('W', key, name);
    return inner_.SetValue(key, name, type, data, size);
  }
  std::int32_t DeleteValue(RegHandle key, const std::string& name) override {
    Record('D', key, name);
    return inner_.DeleteValue(key, name);
  }
  std::int32_t CloseKey(RegHandle key) override {
    keys_.erase(key);
    return inner_.CloseKey(key);
  }

  // How often the value was accessed with that op, under any key.
  int Count(char op, const std::string& name) const {
    int n = 0;
    for (const Access& a : log) n += a.op == op && a.name == name ? 1 : 0;
    return n;
  }

  std::vector<Access> log;

 private:
  void Record(char op, RegHandle key, const std::string& name) {
    const auto it = keys_.find(key);
    if (it == keys_.end()) return;
    log.push_back({op, it->second.first, it->second.second, name});
  }

  RegistryBackend& inner_;
  std::map<RegHandle, std::pair<RegHandle, std::string>> keys_;
};

// A running program as test::Program, with every registry access recorded.
struct RecordingProgram {
  RecordingProgram() {
    host.forms = &forms;
    RegisterWindows(forms, module);
  }
  MemoryRegistry memory;
  RecordingRegistry registry{memory};
  Module1 module{registry};
  HeadlessHost host;
  ui::Forms forms{host};
};

// A value as a test stores it, bypassing the helpers: any type, any bytes.
struct Raw {
  std::uint32_t type;
  std::string bytes;
};

inline Raw Number(std::int32_t n) {
  const auto u = static_cast<std::uint32_t>(n);
  return {kRegDword, std::string{static_cast<char>(u), static_cast<char>(u >> 8),
                                 static_cast<char>(u >> 16), static_cast<char>(u >> 24)}};
}

inline Raw Text(const std::string& text) {
  return {kRegSz, text + std::string(1, '\0')};
}

inline void Store(RegistryBackend& registry, RegHandle root, const std::string& path,
                  const std::string& name, const Raw& value) {
  RegHandle key = 0;
  if (registry.CreateKey(root, path, key) != kSuccess) return;
  registry.SetValue(key, name, value.type,
                    reinterpret_cast<const std::uint8_t*>(value.bytes.data()),
                    static_cast<std::uint32_t>(value.bytes.size()));
  registry.CloseKey(key);
}

}  // namespace quillmar::test
