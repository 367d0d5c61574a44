#include "registry/Module1.h"

#include <algorithm>
#include <string>

#include "registry/KeyHandle.h"
#include "registry/StoredValue.h"

namespace quillmar {
namespace {

// A larger text is refused as unreadable rather than allocated on a size nobody can vouch for.
constexpr std::uint32_t kMaxTextSize = 16u << 20;

}  // namespace

bool Module1::KeyExists(RegHandle root, const std::string& path, std::int32_t* opened) {
  KeyHandle key(registry_);
  LastRegResult = registry_.OpenKey(root, path, key.get());
  if (opened != nullptr) *opened = LastRegResult;
  const bool exists = static_cast<bool>(key);
  LastRegResult = key.Close();
  return exists;
}

RegValue Module1::QueryValue(RegHandle root, const std::string& path, const std::string& name,
                             ReadOutcome* outcome) {
  KeyHandle key(registry_);
  std::optional<RegValue> value;
  bool missing = false;
  LastRegResult = registry_.OpenKey(root, path, key.get());
  if (!key) {
    missing = LastRegResult == kFileNotFound;
  } else {
    std::uint32_t type = kRegNone;
    std::uint32_t size = 0;
    LastRegResult = registry_.QueryValue(key.get(), name, &type, nullptr, &size);
    // A failed first query leaves no type to trust; "not found" without one is a missing value.
    missing = LastRegResult == kFileNotFound && type == kRegNone;
    // Only a text or a number is worth its data; any other type reads as the empty text.
    if (LastRegResult == kSuccess && (type == kRegSz || type == kRegDword) &&
        size <= kMaxTextSize) {
      std::string bytes(size, '\0');
      std::uint32_t scratch = kRegNone;
      std::uint32_t filled = size;
      LastRegResult = registry_.QueryValue(key.get(), name, &scratch,
                                           reinterpret_cast<std::uint8_t*>(bytes.data()), &filled);
      // The platform may report more room than it fills (a text stored without its NUL), so
      // only what it says it wrote counts.
      bytes.resize(std::min<std::size_t>(filled, bytes.size()));
      if (LastRegResult == kSuccess) value = Decode(type, std::move(bytes));
    }
  }
  if (outcome != nullptr) {
    // The latest call's code tells a refused call from a value of a form that does not decode.
    *outcome = value                       ? ReadOutcome::kValue
               : missing                   ? ReadOutcome::kMissing
               : LastRegResult == kSuccess ? ReadOutcome::kUnreadable
                                           : ReadOutcome::kRefused;
  }
  LastRegResult = key.Close();
  return std::move(value).value_or(std::string());
}

bool Module1::SaveValue(RegHandle root, const std::string& path, const std::string& name,
                        const RegValue& value) {
  const std::optional<std::int32_t> number = AsNumber(value);
  // A text is encoded from where it stands, without a copy (--import within its goal in `make
  // bench`).
  const std::string* text = std::get_if<std::string>(&value);
  const std::string number_text = text != nullptr ? std::string() : AsText(value);
  const StoredValue stored = number && !SaveAsText
                                 ? Encode(*number)
                                 : Encode(TrimBlanks(text != nullptr ? *text : number_text));
  SaveAsText = false;

  KeyHandle key(registry_);
  LastRegResult = registry_.CreateKey(root, path, key.get());
  const std::int32_t set = LastRegResult = registry_.SetValue(
      key.get(), name, stored.type, reinterpret_cast<const std::uint8_t*>(stored.bytes.data()),
      static_cast<std::uint32_t>(stored.bytes.size()));
  LastRegResult = key.Close();
  return set == kSuccess;
}

bool Module1::DeleteValue(RegHandle root, const std::string& path, const std::string& name) {
  std::int32_t opened = kSuccess;
  if (!KeyExists(root, path, &opened)) return opened == kFileNotFound;
  KeyHandle key(registry_);
  LastRegResult = registry_.OpenKey(root, path, key.get());
  const std::int32_t deleted = LastRegResult = registry_.DeleteValue(key.get(), name);
  LastRegResult = key.Close();
  return deleted == kSuccess || deleted == kFileNotFound;
}

}  // namespace quillmar
