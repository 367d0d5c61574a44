#pragma once

#include "ui/Layout.h"

namespace quillmar {

// The tweak window: four pages on one tab strip, with Apply and Close below them.
const ui::WindowSpec& Form4Layout();

}  // namespace quillmar
