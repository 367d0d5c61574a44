#pragma once

#include <string>
#include <string_view>

namespace quillmar {

// Between a file's UTF-16 text and the ANSI bytes the registry calls take: the platform's code
// page on Windows, something simpler in tests.
class TextCodec {
 public:
  virtual ~TextCodec() = default;
  // False when the code page cannot hold every character exactly.
  virtual bool ToAnsi(std::u16string_view text, std::string& out) = 0;
  // False when the bytes are not text in the code page.
  virtual bool FromAnsi(std::string_view text, std::u16string& out) = 0;
};

}  // namespace quillmar
