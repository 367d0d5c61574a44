#include <cstdint>

#include "tweak/Form4.h"

namespace quillmar {

void Form4::Form_Load() {
  module_.OsPlatform = static_cast<std::int16_t>(host().PlatformId());
  if (!IsNt()) {
    for (ui::CheckBox* box : {&ChckHelp, &ChckMyDocuments}) {
      box->SetValue(2);
      box->SetEnabled(false);
    }
  }
  // A box the load changes runs its rule at once, before the next setting is read.
  for (const auto& setting : settings_) setting->Load();
}

}  // namespace quillmar
