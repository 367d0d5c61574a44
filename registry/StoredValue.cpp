#include "registry/StoredValue.h"

namespace quillmar {

std::optional<RegValue> Decode(std::uint32_t type, std::string_view bytes) {
  if (type == kRegSz) return std::string(bytes.substr(0, bytes.find('\0')));
  if (type != kRegDword || bytes.size() != 4) return std::nullopt;
  std::uint32_t raw = 0;
  for (int i = 3; i >= 0; --i) raw = raw << 8 | static_cast<unsigned char>(bytes[i]);
  return static_cast<std::int32_t>(raw);
}

StoredValue Encode(const RegValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return {kRegSz, *text + '\0'};
  const auto raw = static_cast<std::uint32_t>(std::get<std::int32_t>(value));
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>(raw >> (8 * i)));
  return {kRegDword, bytes};
}

}  // namespace quillmar
