#include "registry/Module1.h"

#include <algorithm>
#include <array>
#include <string>

#include "registry/KeyHandle.h"

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
  RegValue result = std::string{};
  ReadOutcome found = ReadOutcome::kUnreadable;
  LastRegResult = registry_.OpenKey(root, path, key.get());
  if (!key && LastRegResult == kFileNotFound) found = ReadOutcome::kMissing;
  if (key) {
    std::uint32_t type = kRegNone;
    std::uint32_t size = 0;
    LastRegResult = registry_.QueryValue(key.get(), name, &type, nullptr, &size);
    // A failed first query leaves no type to trust; "not found" without one is a missing value.
    if (LastRegResult != kSuccess) {
      if (LastRegResult == kFileNotFound && type == kRegNone) found = ReadOutcome::kMissing;
      type = kRegNone;
    }
    if (type == kRegSz && size <= kMaxTextSize) {
      std::string buffer(size, ' ');
      std::uint32_t scratch = kRegNone;
      std::uint32_t filled = size;
      LastRegResult = registry_.QueryValue(key.get(), name, &scratch,
                                           reinterpret_cast<std::uint8_t*>(buffer.data()), &filled);
      if (LastRegResult == kSuccess) {
        // The platform may report more room than it fills (a text stored without its NUL), so
        // only what it says it wrote counts.
        buffer.resize(std::min<std::size_t>(filled, buffer.size()));
        buffer.resize(std::min(buffer.find('\0'), buffer.size()));
        result = std::move(buffer);
        found = ReadOutcome::kValue;
      }
    } else if (type == kRegDword) {
      std::array<std::uint8_t, 4> bytes{};
      size = 4;
      LastRegResult = registry_.QueryValue(key.get(), name, &type, bytes.data(), &size);
      // A number of fewer than four bytes is malformed: it reads as unreadable, not as a guess.
      if (LastRegResult == kSuccess && size == 4) {
        const std::uint32_t raw =
            bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
        result = static_cast<std::int32_t>(raw);
        found = ReadOutcome::kValue;
      }
    }
  }
  // The latest call's code tells a refused call from a value of a form this cannot decode.
  if (found == ReadOutcome::kUnreadable && LastRegResult != kSuccess) found = ReadOutcome::kRefused;
  LastRegResult = key.Close();
  if (outcome != nullptr) *outcome = found;
  return result;
}

bool Module1::SaveValue(RegHandle root, const std::string& path, const std::string& name,
                        const RegValue& value) {
  std::int32_t number = 0;
  bool as_number = std::holds_alternative<std::int32_t>(value)
                       ? (number = std::get<std::int32_t>(value), true)
                       : ParseInt32(std::get<std::string>(value), number);
  if (SaveAsText) as_number = false;
  SaveAsText = false;

  KeyHandle key(registry_);
  LastRegResult = registry_.CreateKey(root, path, key.get());
  std::int32_t set = kSuccess;
  if (as_number) {
    const auto raw = static_cast<std::uint32_t>(number);
    const std::array<std::uint8_t, 4> bytes{
        static_cast<std::uint8_t>(raw), static_cast<std::uint8_t>(raw >> 8),
        static_cast<std::uint8_t>(raw >> 16), static_cast<std::uint8_t>(raw >> 24)};
    set = LastRegResult = registry_.SetValue(key.get(), name, kRegDword, bytes.data(), 4);
  } else {
    std::string trimmed;
    const std::string* data = std::get_if<std::string>(&value);
    // Copied only when there is something to trim: most texts are written as they are.
    if (data == nullptr || TrimBlanks(*data).size() != data->size())
      data = &(trimmed = std::string(TrimBlanks(AsText(value))));
    set = LastRegResult = registry_.SetValue(key.get(), name, kRegSz,
                                             reinterpret_cast<const std::uint8_t*>(data->c_str()),
                                             static_cast<std::uint32_t>(data->size() + 1));
  }
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
