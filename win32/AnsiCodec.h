#pragma once

#include "regfile/TextCodec.h"

namespace quillmar::win32 {

// The system's ANSI code page, refusing what it cannot hold exactly.
class AnsiCodec final : public TextCodec {
 public:
  bool ToAnsi(std::u16string_view text, std::string& out) override;
  bool FromAnsi(std::string_view text, std::u16string& out) override;
};

}  // namespace quillmar::win32
