#pragma once

#include <algorithm>

#include "regfile/TextCodec.h"

namespace quillmar::test {

// The code page whose bytes are the first 256 characters.
class Latin1Codec final : public TextCodec {
 public:
  bool ToAnsi(std::u16string_view text, std::string& out) override {
    out.assign(text.begin(), text.end());
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c <= 0xFF; });
  }
  bool FromAnsi(std::string_view text, std::u16string& out) override {
    out.assign(reinterpret_cast<const unsigned char*>(text.data()),
               reinterpret_cast<const unsigned char*>(text.data() + text.size()));
    return true;
  }
};

// ASCII and Latin-1 text as the file's UTF-16LE bytes, with the byte order mark.
inline std::string Utf16(std::string_view text) {
  std::string out = "\xFF\xFE";
  for (char c : text) out += {c, '\0'};
  return out;
}

}  // namespace quillmar::test
