#pragma once

#include "app/Commands.h"

namespace quillmar {

// One line per setting of the tweak window, in its order: its caption, the value stored at its
// location, the machine-wide twin's where that is set, what is in force, and whether the window's
// Apply would change it now; with `json`, the same as one JSON document. Writes nothing.
int RunStatus(CommandPlatform& platform, bool json);

}  // namespace quillmar
