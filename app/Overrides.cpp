#include "app/Overrides.h"

#include "app/Commands.h"
#include "tweak/Setting.h"

namespace quillmar {

std::optional<RegValue> Overriding(Module1& m, const Change& change) {
  const std::optional<RegValue> machine = ReadTwin(m, *change.spot.row);
  const std::optional<RegValue> wanted = Decoded(change.written->wanted());
  // Both are policy flags, which count as set only when they equal 1.
  if (!machine || EqualsOne(*machine) == EqualsOne(wanted.value_or(""))) return std::nullopt;
  return machine;
}

std::u16string OverridingLine(TextCodec& codec, const Change& change, const RegValue& machine) {
  const std::string line = FullName(*TwinOf(*change.spot.row)) + ": " + Shown(machine) +
                           ", machine-wide, stays in force over " +
                           Shown(Decoded(change.written->wanted()));
  return ConsoleText(codec, line);
}

}  // namespace quillmar
