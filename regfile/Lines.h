#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "regfile/RegFile.h"
#include "regfile/TextCodec.h"

namespace quillmar {

// A file's lines as UTF-16, without their line ends, and which encoding it came in.
struct Lines {
  bool utf16 = false;
  std::vector<std::u16string> lines;

  std::size_t size() const { return lines.size(); }
  std::u16string_view operator[](std::size_t i) const { return lines[i]; }
};

// UTF-16LE after its byte order mark, or ANSI bytes without one; refuses other byte order marks,
// NUL characters, lone surrogates, a half character at the end and lines above kMaxLineLength.
std::variant<Lines, RegFileError> SplitLines(std::string_view bytes, TextCodec& codec);

}  // namespace quillmar
