#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace quillmar {

// A registry value as read or as handed to SaveValue: a text (bytes in the ANSI code page) or a
// signed 32-bit number. The empty text stands for "missing or unreadable"; a text never compares
// equal to a number, so "1" and 1 stay distinct results.
using RegValue = std::variant<std::string, std::int32_t>;

inline bool IsEmptyText(const RegValue& v) {
  const auto* s = std::get_if<std::string>(&v);
  return s != nullptr && s->empty();
}

// The value as text: a number in its plain decimal form.
std::string AsText(RegValue v);

// The text with A to Z as a to z: how the registry compares key and value names.
std::string FoldCase(std::string_view text);
// Whether the two are the same name as the registry compares them, without a copy of either.
bool SameName(std::string_view a, std::string_view b);
// Hashes and compares names as the registry compares them, A to Z as a to z; for hash maps looked
// up by a view. A hash rather than an ordered map: thousands of typed URL names that share their
// first letters cost a compare each, not one per tree level (--import within its goal in `make
// bench`).
struct NameHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view name) const;
};
struct NameEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return SameName(a, b); }
};

// The text without its leading and trailing blanks, as a view of it.
std::string_view TrimBlanks(std::string_view text);

// A decimal integer with an optional sign and surrounding blanks that fits a signed 32-bit number.
bool ParseInt32(const std::string& text, std::int32_t& out);

// The number the value stands for: itself, or a text that reads as one; nothing otherwise.
std::optional<std::int32_t> AsNumber(const RegValue& v);

// True when the value is the number 1 or a text that reads as the number 1.
bool EqualsOne(const RegValue& v);

}  // namespace quillmar
