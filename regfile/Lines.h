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
// are kept one after another in one text, so that a long file costs one allocation, not one a line.
struct Lines {
  bool utf16 = false;
  std::u16string text;
  std::vector<std::size_t> ends;  // where each line ends in `text`; the next starts there

  std::size_t size() const { return ends.size(); }
  std::u16string_view operator[](std::size_t i) const {
    const std::size_t begin = i == 0 ? 0 : ends[i - 1];
    return std::u16string_view(text).substr(begin, ends[i] - begin);
  }
};

// UTF-16LE after its byte order mark, or ANSI bytes without one; refuses other byte order marks,
// NUL characters, lone surrogates, a half character at the end and lines above kMaxLineLength.
std::variant<Lines, RegFileError> SplitLines(std::string_view bytes, TextCodec& codec);

}  // namespace quillmar
