#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "regfile/RegFile.h"
#include "regfile/TextCodec.h"

namespace quillmar {

// A file's lines as UTF-16, without their line ends, and which encoding it came in. One text with
// each line's place in it rather than a string a line (--import within its goal in `make bench`).
struct Lines {
  struct Place {
    std::size_t begin;
    std::size_t size;
  };
  bool utf16 = false;
  std::u16string text;
  std::vector<Place> places;

  std::size_t size() const { return places.size(); }
  std::u16string_view operator[](std::size_t i) const {
    return std::u16string_view(text).substr(places[i].begin, places[i].size);
  }
};

// UTF-16LE after its byte order mark, or ANSI bytes without one; refuses other byte order marks,
// NUL characters, lone surrogates, a half character at the end and lines above kMaxLineLength.
std::variant<Lines, RegFileError> SplitLines(std::string_view bytes, TextCodec& codec);

}  // namespace quillmar
