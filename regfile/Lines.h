#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "regfile/RegFile.h"
#include "regfile/TextCodec.h"

namespace quillmar {

// A file's lines as UTF-16, without their line ends, and which encoding it came in. The lines
// are spans of one text, so that a long file costs a few allocations, not one a line.
struct Lines {
  struct Span {
    std::size_t begin, size;
  };
  bool utf16 = false;
  std::u16string text;
  std::vector<Span> spans;

  std::size_t size() const { return spans.size(); }
  std::u16string_view operator[](std::size_t i) const {
    return std::u16string_view(text).substr(spans[i].begin, spans[i].size);
  }
};

// UTF-16LE after its byte order mark, or ANSI bytes without one; refuses other byte order marks,
// NUL characters, lone surrogates, a half character at the end and lines above kMaxLineLength.
std::variant<Lines, RegFileError> SplitLines(std::string_view bytes, TextCodec& codec);

}  // namespace quillmar
