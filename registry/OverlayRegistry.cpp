#include "registry/OverlayRegistry.h"

#include <cstring>

#include "registry/RegValue.h"

namespace quillmar {
namespace {

std::string KeyId(RegHandle root, const std::string& path) {
  return std::to_string(root) + '\0' + FoldCase(path);
}

std::string LocationId(RegHandle root, const std::string& path, const std::string& name) {
  return KeyId(root, path) + '\0' + FoldCase(name);
}

// As the platform answers a query of a value that is there.
std::int32_t Answer(const StoredValue& value, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) {
  if (!value.present) return kFileNotFound;
  const auto needed = static_cast<std::uint32_t>(value.bytes.size());
  if (type != nullptr) *type = value.type;
  std::int32_t result = kSuccess;
  if (data != nullptr) {
    if (*size < needed) {
      result = kMoreData;
    } else if (needed > 0) {
      std::memcpy(data, value.bytes.data(), needed);
    }
  }
  if (size != nullptr) *size = needed;
  return result;
}

}  // namespace

OverlayRegistry::~OverlayRegistry() {
  for (const auto& [handle, open] : open_)
    if (open.inner != 0) inner_.CloseKey(open.inner);
}

void OverlayRegistry::PutInFront(RegHandle root, const std::string& path, const std::string& name,
                                 StoredValue value) {
  ++keys_[KeyId(root, path)];
  front_[LocationId(root, path, name)] = std::move(value);
}

std::int32_t OverlayRegistry::Carry(const Record& record) {
  RegHandle key = 0;
  std::int32_t result = record.value.present ? inner_.CreateKey(record.root, record.path, key)
                                             : inner_.OpenKey(record.root, record.path, key);
  if (result != kSuccess)
    return result == kFileNotFound && !record.value.present ? kSuccess : result;
  if (record.value.present) {
    result = inner_.SetValue(key, record.name, record.value.type,
                             reinterpret_cast<const std::uint8_t*>(record.value.bytes.data()),
                             static_cast<std::uint32_t>(record.value.bytes.size()));
  } else {
    result = inner_.DeleteValue(key, record.name);
    if (result == kFileNotFound) result = kSuccess;
  }
  const std::int32_t closed = inner_.CloseKey(key);
  return result != kSuccess ? result : closed;
}

std::int32_t OverlayRegistry::Opened(RegHandle root, const std::string& path, RegHandle inner,
                                     RegHandle& key) {
  key = next_handle_;
  next_handle_ += 4;
  open_[key] = Open{root, path, inner};
  return kSuccess;
}

std::int32_t OverlayRegistry::OpenKey(RegHandle root, const std::string& path, RegHandle& key) {
  RegHandle inner = 0;
  const std::int32_t result = inner_.OpenKey(root, path, inner);
  if (result == kSuccess) return Opened(root, path, inner, key);
  if (result == kFileNotFound && keys_.count(KeyId(root, path)) > 0)
    return Opened(root, path, 0, key);
  return result;
}

std::int32_t OverlayRegistry::CreateKey(RegHandle root, const std::string& path, RegHandle& key) {
  RegHandle inner = 0;
  const bool found = inner_.OpenKey(root, path, inner) == kSuccess;
  return Opened(root, path, found ? inner : 0, key);
}

std::int32_t OverlayRegistry::QueryValue(RegHandle key, const std::string& name,
                                         std::uint32_t* type, std::uint8_t* data,
                                         std::uint32_t* size) {
  const auto open = open_.find(key);
  if (open == open_.end()) return kInvalidHandle;
  if (data != nullptr && size == nullptr) return kInvalidParameter;
  const Open& at = open->second;
  const std::string id = LocationId(at.root, at.path, name);
  if (const auto r = recorded_.find(id); r != recorded_.end())
    return Answer(records_[r->second].value, type, data, size);
  if (const auto f = front_.find(id); f != front_.end()) return Answer(f->second, type, data, size);
  if (at.inner == 0) return kFileNotFound;
  return inner_.QueryValue(at.inner, name, type, data, size);
}

void OverlayRegistry::Keep(const Open& at, const std::string& name, StoredValue value) {
  const auto [it, added] =
      recorded_.try_emplace(LocationId(at.root, at.path, name), records_.size());
  if (added) {
    ++keys_[KeyId(at.root, at.path)];
    records_.push_back({at.root, at.path, name, std::move(value)});
  } else {
    records_[it->second].value = std::move(value);
  }
}

std::int32_t OverlayRegistry::SetValue(RegHandle key, const std::string& name, std::uint32_t type,
                                       const std::uint8_t* data, std::uint32_t size) {
  const auto open = open_.find(key);
  if (open == open_.end()) return kInvalidHandle;
  if (data == nullptr && size > 0) return kInvalidParameter;
  const std::string bytes = size > 0 ? std::string(reinterpret_cast<const char*>(data), size) : "";
  Keep(open->second, name, {true, type, bytes});
  return kSuccess;
}

std::int32_t OverlayRegistry::DeleteValue(RegHandle key, const std::string& name) {
  const auto open = open_.find(key);
  if (open == open_.end()) return kInvalidHandle;
  Keep(open->second, name, {});
  return kSuccess;
}

std::int32_t OverlayRegistry::CloseKey(RegHandle key) {
  const auto open = open_.find(key);
  if (open == open_.end()) return kInvalidHandle;
  const RegHandle inner = open->second.inner;
  open_.erase(open);
  return inner != 0 ? inner_.CloseKey(inner) : kSuccess;
}

}  // namespace quillmar
