#include "registry/RegValue.h"

#include <algorithm>
#include <charconv>

namespace quillmar {

std::string AsText(RegValue v) {
  if (const auto* n = std::get_if<std::int32_t>(&v)) return std::to_string(*n);
  return std::get<std::string>(std::move(v));
}

std::string FoldCase(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool SameName(std::string_view a, std::string_view b) {
  const auto fold = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  if (a.size() != b.size()) return false;
  // Most names come spelt as the catalogue spells them (--import within its goal in `make bench`).
  if (a == b) return true;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (fold(a[i]) != fold(b[i])) return false;
  return true;
}

std::size_t NameHash::operator()(std::string_view name) const {
  // FNV-1a over the folded bytes.
  std::size_t hash = 14695981039346656037ull;
  for (const unsigned char c : name) {
    hash ^= c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
    hash *= 1099511628211ull;
  }
  return hash;
}

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool ParseInt32(const std::string& text, std::int32_t& out) {
  const std::string_view number = TrimBlanks(text);
  if (number.empty()) return false;
  const char* begin = number.data();
  const char* end = begin + number.size();
  if (*begin == '+') ++begin;  // from_chars takes a minus but not a plus
  if (begin == end || (*begin == '-' && begin != number.data())) return false;
  std::int32_t value = 0;
  auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc{} || ptr != end) return false;
  out = value;
  return true;
}

std::optional<std::int32_t> AsNumber(const RegValue& v) {
  if (const auto* n = std::get_if<std::int32_t>(&v)) return *n;
  std::int32_t n = 0;
  if (!ParseInt32(std::get<std::string>(v), n)) return std::nullopt;
  return n;
}

bool EqualsOne(const RegValue& v) {
  return AsNumber(v) == 1;
}

}  // namespace quillmar
