#include "registry/OverlayRegistry.h"

#include <algorithm>
#include <cstring>

#include "registry/RegValue.h"

namespace quillmar {
namespace {

std::string KeyId(RegHandle root, std::string_view path) {
  std::string id = FoldCase(path);
  id.push_back('\0');
  return id.append(std::to_string(root));
}

// As the platform answers a query of a value that is there.
std::int32_t Answer(const StoredValue& value, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) {
  if (!value.present) return kFileNotFound;
  return AnswerQuery(value.type, reinterpret_cast<const std::uint8_t*>(value.bytes.data()),
                     static_cast<std::uint32_t>(value.bytes.size()), type, data, size);
}

}  // namespace

// Handles are slots from here on, 4 apart, as the platform's are.
constexpr RegHandle kFirstHandle = 0x1000;

OverlayRegistry::~OverlayRegistry() {
  for (const auto& [id, key] : keys_)
    if (key->inner != 0) inner_.CloseKey(key->inner);
}

OverlayRegistry::Key& OverlayRegistry::KeyOf(RegHandle root, std::string_view path) {
  // The helpers open one key for each value, and mostly the same key many times in a row.
  if (last_ != nullptr && last_->root == root && last_->path == path) return *last_;
  auto& key = keys_[KeyId(root, path)];
  if (!key) {
    key = std::make_unique<Key>();
    key->root = root;
    key->path = path;
  }
  last_ = key.get();
  return *key;
}

RegHandle OverlayRegistry::Behind(Key& key, bool create, std::int32_t& result) {
  if (!key.tried || (key.inner == 0 && create)) {
    key.tried = true;
    RegHandle handle = 0;
    key.opened = create ? inner_.CreateKey(key.root, key.path, handle)
                        : inner_.OpenKey(key.root, key.path, handle);
    if (key.opened == kSuccess) key.inner = handle;
  }
  result = key.opened;
  return key.inner;
}

void OverlayRegistry::PutInFront(RegHandle root, std::string_view path, const std::string& name,
                                 StoredValue value) {
  Key& key = KeyOf(root, path);
  key.here = true;
  key.front[FoldCase(name)] = std::move(value);
}

void OverlayRegistry::ClearFront() {
  // What was put in front is mostly what is written next: room for it is made once.
  std::size_t front = 0;
  for (const auto& [id, key] : keys_) {
    key->recorded.reserve(key->front.size());
    front += key->front.size();
    key->front.clear();
  }
  records_.reserve(front);
}

std::int32_t OverlayRegistry::Carry(const Record& record) {
  std::int32_t result = kSuccess;
  const RegHandle key = Behind(KeyOf(record.root, record.path), record.value.present, result);
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
  value.present = false;
  value.type = kRegNone;
  value.bytes.clear();  // its room kept for the next read
  std::int32_t result = kSuccess;
  const RegHandle key = Behind(KeyOf(record.root, record.path), false, result);
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

std::int32_t OverlayRegistry::Opened(Key& key, RegHandle& handle) {
  std::size_t slot = open_.size();
  if (!free_.empty()) {
    slot = free_.back();
    free_.pop_back();
    open_[slot] = &key;
  } else {
    open_.push_back(&key);
  }
  handle = kFirstHandle + 4 * slot;
  return kSuccess;
}

OverlayRegistry::Key* OverlayRegistry::Find(RegHandle handle) const {
  if (handle < kFirstHandle || (handle - kFirstHandle) % 4 != 0) return nullptr;
  const std::size_t slot = (handle - kFirstHandle) / 4;
  return slot < open_.size() ? open_[slot] : nullptr;
}

std::int32_t OverlayRegistry::OpenKey(RegHandle root, const std::string& path, RegHandle& key) {
  std::int32_t result = kSuccess;
  Key& at = KeyOf(root, path);
  if (Behind(at, false, result) != 0 || (result == kFileNotFound && at.here))
    return Opened(at, key);
  return result;
}

std::int32_t OverlayRegistry::CreateKey(RegHandle root, const std::string& path, RegHandle& key) {
  std::int32_t result = kSuccess;
  Key& at = KeyOf(root, path);
  Behind(at, false, result);
  return Opened(at, key);
}

std::int32_t OverlayRegistry::QueryValue(RegHandle key, const std::string& name,
                                         std::uint32_t* type, std::uint8_t* data,
                                         std::uint32_t* size) {
  Key* at = Find(key);
  if (at == nullptr) return kInvalidHandle;
  if (data != nullptr && size == nullptr) return kInvalidParameter;
  // Most keys hold nothing here: their values are asked for behind without a name to fold.
  if (at->here) {
    const std::string folded = FoldCase(name);
    if (const auto r = at->recorded.find(folded); r != at->recorded.end())
      return Answer(records_[r->second].value, type, data, size);
    if (const auto f = at->front.find(folded); f != at->front.end())
      return Answer(f->second, type, data, size);
  }
  if (at->inner == 0) return kFileNotFound;
  return inner_.QueryValue(at->inner, name, type, data, size);
}

void OverlayRegistry::Keep(Key& at, const std::string& name, StoredValue value) {
  const auto [it, added] = at.recorded.try_emplace(FoldCase(name), records_.size());
  if (added) {
    at.here = true;
    records_.push_back({at.root, at.path, name, std::move(value)});
  } else {
    records_[it->second].value = std::move(value);
  }
}

std::int32_t OverlayRegistry::SetValue(RegHandle key, const std::string& name, std::uint32_t type,
                                       const std::uint8_t* data, std::uint32_t size) {
  Key* at = Find(key);
  if (at == nullptr) return kInvalidHandle;
  if (data == nullptr && size > 0) return kInvalidParameter;
  Keep(*at, name,
       {true, type, size > 0 ? std::string(reinterpret_cast<const char*>(data), size) : ""});
  return kSuccess;
}

std::int32_t OverlayRegistry::DeleteValue(RegHandle key, const std::string& name) {
  Key* at = Find(key);
  if (at == nullptr) return kInvalidHandle;
  Keep(*at, name, {});
  return kSuccess;
}

std::int32_t OverlayRegistry::CloseKey(RegHandle key) {
  if (Find(key) == nullptr) return kInvalidHandle;
  const std::size_t slot = (key - kFirstHandle) / 4;
  open_[slot] = nullptr;
  free_.push_back(slot);
  return kSuccess;
}

}  // namespace quillmar
