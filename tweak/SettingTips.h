#pragma once

#include <string>
#include <string_view>

namespace quillmar {

// What a control of the tweak window stands for in the registry, for its tooltip: each key as a
// registry editor spells it, then each value with what Apply writes there for each state, lines
// separated by LF. Empty for a control that stands for no setting.
std::string SettingTip(std::string_view control);

}  // namespace quillmar
