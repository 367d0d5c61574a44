#pragma once

#include <windows.h>

#include "win32/Handles.h"

namespace quillmar::win32 {

// The character set to ask the face for: Central European (238) where the face has it, else the
// face's own; -1 when the face is not installed.
int FaceCharset(const wchar_t* face);

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
