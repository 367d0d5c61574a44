#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "registry/RegValue.h"
#include "registry/RegistryBackend.h"

namespace quillmar {

// A value as the platform stores it: its type and its raw bytes.
struct StoredValue {
  std::uint32_t type = kRegNone;
  std::string bytes;
  bool operator==(const StoredValue&) const = default;
};

// What a stored value reads as: a REG_SZ as its text up to the first NUL, a REG_DWORD of exactly
// four bytes (least significant first) as its number. Nothing for any other type or size: a
// malformed value is never guessed at.
std::optional<RegValue> Decode(std::uint32_t type, std::string bytes);

// How a value is stored: a number as REG_DWORD, a text as it stands as REG_SZ with its NUL.
StoredValue Encode(const RegValue& value);
StoredValue Encode(std::int32_t number);
StoredValue Encode(std::string_view text);

}  // namespace quillmar
