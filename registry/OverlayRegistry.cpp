#include "registry/OverlayRegistry.h"

#include <algorithm>

#include "registry/RegValue.h"

namespace quillmar {
namespace {

std::int32_t Answer(const Content& content, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) {
  if (content.state != Content::kValue) return kFileNotFound;
  const std::string& bytes = content.value.bytes;
  return AnswerQuery(content.value.type, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                     static_cast<std::uint32_t>(bytes.size()), type, data, size);
}

}  // namespace

OverlayRegistry::~OverlayRegistry() {
  for (const auto& [id, key] : keys_)
    if (key.inner != 0) inner_.CloseKey(key.inner);
}

OverlayRegistry::Key& OverlayRegistry::KeyOf(RegHandle root, std::string_view path) {
  // The helpers open the same key for each of thousands of typed URLs (--import within its goal
  // in `make bench`).
  if (last_ != nullptr && last_->root == root && last_->path == path) return *last_;
  const std::string id = std::to_string(root) + '\\' + FoldCase(path);
  auto [it, added] = keys_.try_emplace(id);
  if (added) {
    it->second.root = root;
    it->second.path = path;
  }
  last_ = &it->second;
  return it->second;
}

// Handles are slots from kFirstHandle on, 4 apart as the platform's are; the helpers hold one key
// at a time, so a closed one's slot serves the next.
constexpr RegHandle kFirstHandle = 0x1000;

RegHandle OverlayRegistry::Hand(Key& key, RegHandle inner, std::int32_t opened) {
  auto slot = std::find_if(open_.begin(), open_.end(), [](const Open& o) { return !o.key; });
  if (slot == open_.end()) slot = open_.insert(slot, Open{});
  *slot = {&key, inner, opened};
  return kFirstHandle + 4 * static_cast<RegHandle>(slot - open_.begin());
}

OverlayRegistry::Open* OverlayRegistry::Find(RegHandle handle) {
  if (handle < kFirstHandle || (handle - kFirstHandle) % 4 != 0) return nullptr;
  const std::size_t slot = (handle - kFirstHandle) / 4;
  return slot < open_.size() && open_[slot].key != nullptr ? &open_[slot] : nullptr;
}

void OverlayRegistry::PutInFront(RegHandle root, std::string_view path, std::string_view name,
                                 std::optional<StoredValue> value) {
  Key& key = KeyOf(root, path);
  key.here = true;
  key.front[std::string(name)] =
      value ? Content{Content::kValue, std::move(*value)} : Content{Content::kNone, {}};
}

void OverlayRegistry::ClearFront() {
  for (auto& [id, key] : keys_) key.front.clear();
}

std::int32_t OverlayRegistry::Behind(Key& key, bool create) {
  if (key.inner != 0) return kSuccess;
  return create ? inner_.CreateKey(key.root, key.path, key.inner)
                : inner_.OpenKey(key.root, key.path, key.inner);
}

std::int32_t OverlayRegistry::OpenKey(RegHandle root, const std::string& path, RegHandle& key) {
  Key& at = KeyOf(root, path);
  const std::int32_t opened = Behind(at, false);
  if (opened != kSuccess && !at.here) return opened;
  key = Hand(at, at.inner, opened);
  return kSuccess;
}

std::int32_t OverlayRegistry::CreateKey(RegHandle root, const std::string& path, RegHandle& key) {
  Key& at = KeyOf(root, path);
  const std::int32_t opened = Behind(at, writes_ == Writes::kCarried);
  if (writes_ == Writes::kKept) {
    // Every key of the path exists from now on, as the platform would have created them; those
    // of a key the other back end has exist there already.
    if (opened != kSuccess)
      for (std::size_t end = path.find('\\'); end != std::string::npos;
           end = path.find('\\', end + 1))
        KeyOf(root, std::string_view(path).substr(0, end)).here = true;
    at.here = true;
  }
  // A key the other back end refused still gets a handle of the overlay's, so that each write
  // made through it is noted with that refusal; the refusal is still the answer.
  key = Hand(at, at.inner, opened);
  return writes_ == Writes::kCarried ? opened : kSuccess;
}

std::int32_t OverlayRegistry::QueryValue(RegHandle key, const std::string& name,
                                         std::uint32_t* type, std::uint8_t* data,
                                         std::uint32_t* size) {
  const Open* at = Find(key);
  if (at == nullptr) return kInvalidHandle;
  if (data != nullptr && size == nullptr) return kInvalidParameter;
  if (writes_ == Writes::kKept)
    if (const auto n = at->key->noted.find(name); n != at->key->noted.end())
      return Answer(written_[n->second].after, type, data, size);
  if (const auto f = at->key->front.find(name); f != at->key->front.end())
    return Answer(f->second, type, data, size);
  if (at->inner == 0) return at->opened == kSuccess ? kFileNotFound : at->opened;
  return inner_.QueryValue(at->inner, name, type, data, size);
}

Content OverlayRegistry::ReadBehind(const Open& at, const std::string& name) {
  if (at.inner == 0) return {at.opened == kFileNotFound ? Content::kNone : Content::kUnknown, {}};
  Content content{Content::kValue, {}};
  // Most values fit at once and a larger one is asked for again at its size: one call a value
  // rather than two (--export and --import a quarter faster in `make bench`).
  std::uint32_t size = 256;
  std::int32_t read = kMoreData;
  while (read == kMoreData) {
    content.value.bytes.resize(size);
    read = inner_.QueryValue(at.inner, name, &content.value.type,
                             reinterpret_cast<std::uint8_t*>(content.value.bytes.data()), &size);
  }
  if (read == kFileNotFound) return {Content::kNone, {}};
  if (read != kSuccess) return {Content::kUnknown, {}};
  content.value.bytes.resize(size);
  return content;
}

std::int32_t OverlayRegistry::Write(Open& at, const std::string& name, Content wanted) {
  const auto [noted, first] = at.key->noted.try_emplace(name, written_.size());
  if (first)
    written_.push_back(
        {.root = at.key->root, .path = at.key->path, .name = name, .before = ReadBehind(at, name)});
  std::int32_t result = kSuccess;
  if (writes_ == Writes::kCarried) {
    // Through the other back end's handle as the helpers would have made the call, the handle 0
    // of a key it refused among them; the refusal of the key is what is noted then.
    const std::string& bytes = wanted.value.bytes;
    result = wanted.state == Content::kValue
                 ? inner_.SetValue(at.inner, name, wanted.value.type,
                                   reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   static_cast<std::uint32_t>(bytes.size()))
                 : inner_.DeleteValue(at.inner, name);
    if (at.inner == 0 && at.opened != kSuccess) result = at.opened;
  }
  Written& written = written_[noted->second];
  // Deleting what is not there leaves it as wanted.
  written.took = result == kSuccess || (result == kFileNotFound && wanted.state == Content::kNone);
  if (written.took) {
    written.after = std::move(wanted);
  } else {
    if (first) written.after = written.before;
    written.refused = std::move(wanted);
  }
  written.result = result;
  return result;
}

std::int32_t OverlayRegistry::SetValue(RegHandle key, const std::string& name, std::uint32_t type,
                                       const std::uint8_t* data, std::uint32_t size) {
  Open* at = Find(key);
  if (at == nullptr) return kInvalidHandle;
  if (data == nullptr && size > 0) return kInvalidParameter;
  std::string bytes = size > 0 ? std::string(reinterpret_cast<const char*>(data), size) : "";
  return Write(*at, name, {Content::kValue, {type, std::move(bytes)}});
}

std::int32_t OverlayRegistry::DeleteValue(RegHandle key, const std::string& name) {
  Open* at = Find(key);
  if (at == nullptr) return kInvalidHandle;
  return Write(*at, name, {Content::kNone, {}});
}

std::int32_t OverlayRegistry::CloseKey(RegHandle key) {
  Open* at = Find(key);
  if (at == nullptr) return kInvalidHandle;
  at->key = nullptr;
  return kSuccess;
}

}  // namespace quillmar
