#pragma once

#include "registry/Module1.h"
#include "ui/Forms.h"

namespace quillmar {

// Makes every window of the program loadable by name, each given what it reads and writes.
void RegisterWindows(ui::Forms& forms, Module1& module);
// The program starts by loading its agreement window, whose load decides what the user sees.
void Start(ui::Forms& forms);

}  // namespace quillmar
