#include "registry/RegValue.h"

#include <charconv>

namespace quillmar {

std::string AsText(const RegValue& v) {
  if (const auto* n = std::get_if<std::int32_t>(&v)) return std::to_string(*n);
  return std::get<std::string>(v);
}

bool ParseInt32(const std::string& text, std::int32_t& out) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return false;
  std::size_t last = text.find_last_not_of(' ');
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  if (*begin == '+') ++begin;  // from_chars takes a minus but not a plus
  if (begin == end || (*begin == '-' && begin != text.data() + first)) return false;
  std::int32_t value = 0;
  auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc{} || ptr != end) return false;
  out = value;
  return true;
}

bool EqualsOne(const RegValue& v) {
  if (const auto* n = std::get_if<std::int32_t>(&v)) return *n == 1;
  std::int32_t n = 0;
  return ParseInt32(std::get<std::string>(v), n) && n == 1;
}

}  // namespace quillmar
