#include "registry/StoredValue.h"

namespace quillmar {

std::optional<RegValue> Decode(std::uint32_t type, std::string bytes) {
  if (type == kRegSz) {
    if (const std::size_t nul = bytes.find('\0'); nul != std::string::npos) bytes.resize(nul);
    return bytes;
  }
  if (type != kRegDword || bytes.size() != 4) return std::nullopt;
  std::uint32_t raw = 0;
  for (int i = 3; i >= 0; --i) raw = raw << 8 | static_cast<unsigned char>(bytes[i]);
  return static_cast<std::int32_t>(raw);
}

StoredValue Encode(const RegValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return Encode(std::string_view(*text));
  return Encode(std::get<std::int32_t>(value));
}

StoredValue Encode(std::int32_t number) {
  const auto raw = static_cast<std::uint32_t>(number);
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>(raw >> (8 * i)));
  return {kRegDword, bytes};
}

StoredValue Encode(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size() + 1);
  bytes.append(text).append(1, '\0');
  return {kRegSz, std::move(bytes)};
}

}  // namespace quillmar
