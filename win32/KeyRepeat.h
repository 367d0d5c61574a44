#pragma once

#include "win32/Handles.h"

namespace quillmar::win32 {

// While the hook lives, a key held down presses no button of this thread's windows: an Enter or
// Space that the keyboard repeats is dropped before any message loop sees it, ours or a message
// box's, unless the focused control takes the key itself as a text box does.
UniqueHook RefuseRepeatedPresses();

}  // namespace quillmar::win32
