#pragma once

#include "regfile/TextCodec.h"

namespace quillmar::test {

// The code page whose bytes are the first 256 characters.
class Latin1Codec final : public TextCodec {
 public:
  bool ToAnsi(std::u16string_view text, std::string& out) override {
    out.clear();
    for (char16_t c : text) {
      if (c > 0xFF) return false;
      out.push_back(static_cast<char>(c));
    }
    return true;
  }
  bool FromAnsi(std::string_view text, std::u16string& out) override {
    out.assign(text.begin(), text.end());
    for (char16_t& c : out) c &= 0xFF;
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
