#pragma once

#include <windows.h>

#include "win32/Handles.h"

namespace quillmar::win32 {

// "MS Sans Serif" 8.25 pt, with the Central European character set where the face has it; where
// the face is not installed, the system's message font at the same size.
LOGFONTW DialogFont(int dpi, bool bold);

// The regular and the bold dialog font of one window at its DPI.
class FontSet {
 public:
  explicit FontSet(int dpi);
  HFONT Get(bool bold) const { return bold ? bold_.get() : regular_.get(); }

 private:
  UniqueFont regular_;
  UniqueFont bold_;
};

}  // namespace quillmar::win32
