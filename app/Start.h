#pragma once

#include "ui/Forms.h"

namespace quillmar {

// Makes every window of the program loadable by name.
void RegisterWindows(ui::Forms& forms);
// The program starts by loading its agreement window, whose load decides what the user sees.
void Start(ui::Forms& forms);

}  // namespace quillmar
