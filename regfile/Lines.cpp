#include "regfile/Lines.h"

namespace quillmar {
namespace {

bool IsHigh(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLow(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

RegFileError TooLong(const Lines& lines) {
  return {static_cast<int>(lines.size()) + 1,
          "a line longer than " + std::to_string(kMaxLineLength) + " characters"};
}

// Ends the line that the text holds from `begin` on, a CR before its LF left out; false when it is
// too long.
bool End(Lines& lines, std::size_t begin, std::size_t size) {
  if (size > 0 && lines.text[begin + size - 1] == u'\r') --size;
  if (size > kMaxLineLength) return false;
  lines.places.push_back({begin, size});
  return true;
}

std::variant<Lines, RegFileError> Utf16(std::string_view bytes) {
  Lines lines;
  lines.utf16 = true;
  std::u16string& text = lines.text;
  text.assign(bytes.size() / 2 - 1, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i + 2]) |
                                    static_cast<unsigned char>(bytes[2 * i + 3]) << 8);
  const auto error = [&](const char* what) {
    return RegFileError{static_cast<int>(lines.size()) + 1, what};
  };
  std::size_t begin = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\n') {
      if (!End(lines, begin, i - begin)) return TooLong(lines);
      begin = i + 1;
      continue;
    }
    if (c == 0) return error("a NUL character");
    const bool pair = IsHigh(c) && i + 1 < text.size() && IsLow(text[i + 1]);
    if (IsLow(c) || (IsHigh(c) && !pair)) return error("a lone UTF-16 surrogate");
    // Room for the CR before LF.
    if (i + (pair ? 1 : 0) - begin >= kMaxLineLength + 1) return TooLong(lines);
    if (pair) ++i;
  }
  if (bytes.size() % 2 != 0) return error("the file ends in the middle of a UTF-16 character");
  if (!End(lines, begin, text.size() - begin)) return TooLong(lines);
  return lines;
}

std::variant<Lines, RegFileError> Ansi(std::string_view bytes, TextCodec& codec) {
  Lines lines;
  std::u16string line;
  for (std::size_t at = 0;;) {
    const std::string_view part = bytes.substr(at, bytes.find('\n', at) - at);
    const int number = static_cast<int>(lines.size()) + 1;
    // As read byte by byte: a NUL counts where it stands unless the line is too long before it.
    const std::size_t nul = part.find('\0');
    if (nul != std::string_view::npos && nul <= kMaxLineLength + 1)
      return RegFileError{number, "a NUL character"};
    if (part.size() > kMaxLineLength + 1) return TooLong(lines);
    if (!codec.FromAnsi(part, line))
      return RegFileError{number, "bytes that are not text in the ANSI code page"};
    const std::size_t begin = lines.text.size();
    lines.text.append(line);
    if (!End(lines, begin, line.size())) return TooLong(lines);
    at += part.size() + 1;
    if (at > bytes.size()) return lines;
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
