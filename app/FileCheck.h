#pragma once

#include <optional>
#include <variant>
#include <vector>

#include "app/Locations.h"
#include "regfile/RegFile.h"
#include "registry/RegValue.h"

namespace quillmar {

// One value of a file that passed the check, at its catalogue location.
struct FileValue {
  Spot spot;
  const RegEntry* entry;  // the file's own; a value of none: the file deletes it
};

// Every section must name a catalogue key and every value a location Apply writes (but the kept
// bitmap type, which stays the account's own), in a type its row holds (a number for a number
// row, a text for a forced-text row), each location once.
std::variant<std::vector<FileValue>, RegFileError> CheckFile(const RegFile& file);

}  // namespace quillmar
