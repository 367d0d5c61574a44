#pragma once

#include <optional>
#include <string>

#include "app/Headless.h"
#include "regfile/TextCodec.h"

namespace quillmar {

// The machine-wide twin's value, where it is set and means otherwise than what Apply wrote at the
// change's location: Windows reads the twin first, so it stays in force.
std::optional<RegValue> Overriding(Module1& m, const Change& change);

// The line the command line lists that value on.
std::u16string OverridingLine(TextCodec& codec, const Change& change, const RegValue& machine);

}  // namespace quillmar
