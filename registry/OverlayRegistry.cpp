#include "registry/OverlayRegistry.h"

#include <algorithm>
#include <cstring>

#include "registry/RegValue.h"

namespace quillmar {
namespace {

std::string KeyId(RegHandle root, const std::string& path) {
  std::string id = FoldCase(path);
  id.push_back('\0');
  return id.append(std::to_string(root));
}

std::string LocationId(const std::string& key_id, const std::string& name) {
  std::string id;
  id.reserve(key_id.size() + 1 + name.size());
  id.append(key_id).push_back('\0');
  return id.append(FoldCase(name));
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
  for (const auto& [id, key] : behind_)
    if (key.first != 0) inner_.CloseKey(key.first);
}

RegHandle OverlayRegistry::Behind(const std::string& id, RegHandle root, const std::string& path,
                                  bool create, std::int32_t& result) {
  const auto [entry, added] = behind_.try_emplace(id, 0, kFileNotFound);
  auto& [key, opened] = entry->second;
  if (added || (key == 0 && create)) {
    RegHandle handle = 0;
    opened = create ? inner_.CreateKey(root, path, handle) : inner_.OpenKey(root, path, handle);
    if (opened == kSuccess) key = handle;
  }
  result = opened;
  return key;
}

void OverlayRegistry::PutInFront(RegHandle root, const std::string& path, const std::string& name,
                                 StoredValue value) {
  const std::string id = KeyId(root, path);
  keys_.insert(id);
  front_[LocationId(id, name)] = std::move(value);
}

std::int32_t OverlayRegistry::Carry(const Record& record) {
  std::int32_t result = kSuccess;
  const RegHandle key = Behind(KeyId(record.root, record.path), record.root, record.path,
                               record.value.present, result);
  if (key != 0 && record.value.present) {
    result = inner_.SetValue(key, record.name, record.value.type,
                             reinterpret_cast<const std::uint8_t*>(record.value.bytes.data()),
                             static_cast<std::uint32_t>(record.value.bytes.size()));
  } else if (key != 0) {
    result = inner_.DeleteValue(key, record.name);
  }
  return result == kFileNotFound && !record.value.present ? kSuccess : result;
}

std::int32_t OverlayRegistry::ReadBehind(const Record& record, StoredValue& value) {
  value = {};
  std::int32_t result = kSuccess;
  const RegHandle key =
      Behind(KeyId(record.root, record.path), record.root, record.path, false, result);
  if (key == 0) return result;
  // Most values fit at once; a larger one is asked for again at its size.
  std::uint32_t size = 256;
  do {
    value.bytes.resize(size);
    result = inner_.QueryValue(key, record.name, &value.type,
                               reinterpret_cast<std::uint8_t*>(value.bytes.data()), &size);
  } while (result == kMoreData && size > value.bytes.size());
  value.present = result == kSuccess;
  value.bytes.resize(value.present ? std::min<std::size_t>(size, value.bytes.size()) : 0);
  return result;
}

std::int32_t OverlayRegistry::Opened(RegHandle root, const std::string& path, std::string id,
                                     RegHandle inner, RegHandle& key) {
  key = next_handle_;
  next_handle_ += 4;
  open_[key] = Open{root, path, inner, std::move(id)};
  return kSuccess;
}

std::int32_t OverlayRegistry::OpenKey(RegHandle root, const std::string& path, RegHandle& key) {
  std::int32_t result = kSuccess;
  std::string id = KeyId(root, path);
  const RegHandle inner = Behind(id, root, path, false, result);
  if (inner != 0) return Opened(root, path, std::move(id), inner, key);
  if (result == kFileNotFound && keys_.count(id) > 0)
    return Opened(root, path, std::move(id), 0, key);
  return result;
}

std::int32_t OverlayRegistry::CreateKey(RegHandle root, const std::string& path, RegHandle& key) {
  std::int32_t result = kSuccess;
  std::string id = KeyId(root, path);
  const RegHandle inner = Behind(id, root, path, false, result);
  return Opened(root, path, std::move(id), inner, key);
}

std::int32_t OverlayRegistry::QueryValue(RegHandle key, const std::string& name,
                                         std::uint32_t* type, std::uint8_t* data,
                                         std::uint32_t* size) {
  const auto open = open_.find(key);
  if (open == open_.end()) return kInvalidHandle;
  if (data != nullptr && size == nullptr) return kInvalidParameter;
  const Open& at = open->second;
  // Most keys hold nothing here: their values are asked for behind without a name to fold.
  if (at.inner != 0 && keys_.count(at.id) == 0)
    return inner_.QueryValue(at.inner, name, type, data, size);
  const std::string id = LocationId(at.id, name);
  if (const auto r = recorded_.find(id); r != recorded_.end())
    return Answer(records_[r->second].value, type, data, size);
  if (const auto f = front_.find(id); f != front_.end()) return Answer(f->second, type, data, size);
  if (at.inner == 0) return kFileNotFound;
  return inner_.QueryValue(at.inner, name, type, data, size);
}

void OverlayRegistry::Keep(const Open& at, const std::string& name, StoredValue value) {
  const auto [it, added] = recorded_.try_emplace(LocationId(at.id, name), records_.size());
  if (added) {
    keys_.insert(at.id);
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
  return open_.erase(key) > 0 ? kSuccess : kInvalidHandle;
}

}  // namespace quillmar
