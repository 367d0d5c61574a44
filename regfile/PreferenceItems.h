#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "regfile/RegFile.h"
#include "regfile/TextCodec.h"

namespace quillmar {

// The entries as a registry preference collection of Group Policy: UTF-8 XML, one item per
// entry in its order, updating its value or deleting it, each stamped `changed` (UTC). An item's
// uid comes from its location alone, so that two collections of the same entries differ only in
// that time. None when a text is not text in the ANSI code page or holds a character that XML
// cannot carry.
std::optional<std::string> WritePreferenceItems(const RegFile& file, TextCodec& codec,
                                                std::chrono::system_clock::time_point changed);

}  // namespace quillmar
