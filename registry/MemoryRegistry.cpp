#include "registry/MemoryRegistry.h"

#include "registry/RegValue.h"

#include <cstring>
#include <vector>

namespace quillmar {
namespace {

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    if (end > start) names.push_back(FoldCase(path.substr(start, end - start)));
    start = end + 1;
  }
  return names;
}

bool IsRoot(RegHandle h) {
  return h == kClassesRoot || h == kCurrentUser || h == kLocalMachine;
}

}  // namespace

struct MemoryRegistry::Key {
  struct Value {
    std::uint32_t type;
    std::vector<std::uint8_t> bytes;
  };
  std::map<std::string, std::unique_ptr<Key>> subkeys;  // by folded name
  std::map<std::string, Value> values;                  // by folded name
};

MemoryRegistry::MemoryRegistry() {
  for (RegHandle root : {kClassesRoot, kCurrentUser, kLocalMachine})
    roots_[root] = std::make_unique<Key>();
}

MemoryRegistry::~MemoryRegistry() = default;

MemoryRegistry::Key* MemoryRegistry::Resolve(RegHandle key) {
  if (IsRoot(key)) return roots_[key].get();
  auto it = handles_.find(key);
  return it == handles_.end() ? nullptr : it->second;
}

std::int32_t MemoryRegistry::Open(RegHandle parent, const std::string& path, bool create,
                                  RegHandle& key) {
  Key* node = Resolve(parent);
  if (node == nullptr) return kInvalidHandle;
  for (const std::string& name : SplitPath(path)) {
    auto& child = node->subkeys[name];
    if (!child) {
      if (!create) {
        node->subkeys.erase(name);
        return kFileNotFound;
      }
      child = std::make_unique<Key>();
    }
    node = child.get();
  }
  RegHandle handle = next_handle_;
  next_handle_ += 4;
  handles_[handle] = node;
  key = handle;
  return kSuccess;
}

std::int32_t MemoryRegistry::OpenKey(RegHandle root, const std::string& path, RegHandle& key) {
  return Open(root, path, false, key);
}

std::int32_t MemoryRegistry::CreateKey(RegHandle root, const std::string& path, RegHandle& key) {
  return Open(root, path, true, key);
}

std::int32_t MemoryRegistry::QueryValue(RegHandle key, const std::string& name, std::uint32_t* type,
                                        std::uint8_t* data, std::uint32_t* size) {
  Key* node = Resolve(key);
  if (node == nullptr) return kInvalidHandle;
  if (data != nullptr && size == nullptr) return kInvalidParameter;
  auto it = node->values.find(FoldCase(name));
  if (it == node->values.end()) return kFileNotFound;
  const auto& value = it->second;
  return AnswerQuery(value.type, value.bytes.data(), static_cast<std::uint32_t>(value.bytes.size()),
                     type, data, size);
}

std::int32_t MemoryRegistry::SetValue(RegHandle key, const std::string& name, std::uint32_t type,
                                      const std::uint8_t* data, std::uint32_t size) {
  Key* node = Resolve(key);
  if (node == nullptr) return kInvalidHandle;
  if (data == nullptr && size > 0) return kInvalidParameter;
  std::vector<std::uint8_t> bytes(data, data + size);
  node->values[FoldCase(name)] = Key::Value{type, std::move(bytes)};
  return kSuccess;
}

std::int32_t MemoryRegistry::DeleteValue(RegHandle key, const std::string& name) {
  Key* node = Resolve(key);
  if (node == nullptr) return kInvalidHandle;
  return node->values.erase(FoldCase(name)) > 0 ? kSuccess : kFileNotFound;
}

std::int32_t MemoryRegistry::CloseKey(RegHandle key) {
  if (IsRoot(key)) return kSuccess;
  return handles_.erase(key) > 0 ? kSuccess : kInvalidHandle;
}

}  // namespace quillmar
