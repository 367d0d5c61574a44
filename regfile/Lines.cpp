#include "regfile/Lines.h"

namespace quillmar {
namespace {

bool IsHigh(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLow(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// Collects lines, each ended by LF with an optional CR before it.
class Splitter {
 public:
  explicit Splitter(std::size_t expected) { lines_.text.reserve(expected); }
  // False when the line is too long.
  bool End() {
    std::u16string& text = lines_.text;
    if (text.size() > start() && text.back() == u'\r') text.pop_back();
    if (text.size() - start() > kMaxLineLength) return false;
    lines_.ends.push_back(text.size());
    return true;
  }
  bool Add(char16_t c) {
    lines_.text.push_back(c);
    return lines_.text.size() - start() <= kMaxLineLength + 1;  // room for the CR before LF
  }
  void Append(std::u16string_view part) { lines_.text.append(part); }
  int number() const { return static_cast<int>(lines_.ends.size()) + 1; }
  Lines& lines() { return lines_; }

 private:
  std::size_t start() const { return lines_.ends.empty() ? 0 : lines_.ends.back(); }
  Lines lines_;
};

RegFileError TooLong(const Splitter& s) {
  return {s.number(), "a line longer than " + std::to_string(kMaxLineLength) + " characters"};
}

std::variant<Lines, RegFileError> Utf16(std::string_view bytes) {
  Splitter s(bytes.size() / 2);
  s.lines().utf16 = true;
  const std::size_t units = bytes.size() / 2;
  auto unit = [&](std::size_t i) {
    return static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                 static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  };
  for (std::size_t i = 1; i < units; ++i) {
    const char16_t c = unit(i);
    if (c == u'\n') {
      if (!s.End()) return TooLong(s);
      continue;
    }
    if (c == 0) return RegFileError{s.number(), "a NUL character"};
    if (IsLow(c) || (IsHigh(c) && (i + 1 == units || !IsLow(unit(i + 1)))))
      return RegFileError{s.number(), "a lone UTF-16 surrogate"};
    if (!s.Add(c) || (IsHigh(c) && !s.Add(unit(++i)))) return TooLong(s);
  }
  if (bytes.size() % 2 != 0)
    return RegFileError{s.number(), "the file ends in the middle of a UTF-16 character"};
  if (!s.End()) return TooLong(s);
  return std::move(s.lines());
}

std::variant<Lines, RegFileError> Ansi(std::string_view bytes, TextCodec& codec) {
  Splitter s(bytes.size());
  std::u16string line;
  for (std::size_t at = 0;;) {
    const std::string_view part = bytes.substr(at, bytes.find('\n', at) - at);
    // As read byte by byte: a NUL counts where it stands unless the line is too long before it.
    const std::size_t nul = part.find('\0');
    if (nul != std::string_view::npos && nul <= kMaxLineLength + 1)
      return RegFileError{s.number(), "a NUL character"};
    if (part.size() > kMaxLineLength + 1) return TooLong(s);
    if (!codec.FromAnsi(part, line))
      return RegFileError{s.number(), "bytes that are not text in the ANSI code page"};
    s.Append(line);
    if (!s.End()) return TooLong(s);
    at += part.size() + 1;
    if (at > bytes.size()) return std::move(s.lines());
  }
}

}  // namespace

std::variant<Lines, RegFileError> SplitLines(std::string_view bytes, TextCodec& codec) {
  if (bytes.starts_with("\xFF\xFE")) return Utf16(bytes);
  if (bytes.starts_with("\xEF\xBB\xBF") || bytes.starts_with("\xFE\xFF"))
    return RegFileError{1, "UTF-8 or big-endian UTF-16: save the file as UTF-16LE or ANSI"};
  return Ansi(bytes, codec);
}

}  // namespace quillmar
