#include "tweak/Catalogue.h"
#include "tweak/Form4.h"

namespace quillmar {

void Form4::ApplySettings() {
  for (const auto& setting : settings_) setting->Apply();
}

void Form4::BtnApply_Click() {
  ApplySettings();
  // Apply writes the icon size every time.
  host().SettingsChanged(true);

  // Decided on the value read back once, before the prompt may change it.
  const RegValue choice = Read(module_, RowOf(KeyLabel::kProgram, "LogOffBox"));
  const bool log_off = choice == RegValue(std::string(kLogOffAtOnce.text));
  const bool quiet = choice == RegValue(std::string(kNeverLogOff.text));
  if (!log_off && !quiet) {
    if (ui::Window* prompt = forms().Load("Form5")) forms().Show(*prompt, true);
  }
  if (log_off) host().LogOff();
}

std::string Form4::ToolTip(const ui::Control& control) const {
  for (const auto& setting : settings_)
    if (std::string tip = setting->Tip(control.name()); !tip.empty())
      return setting->OverrideTip(control) + tip;
  return {};
}

bool Form4::HasToolTip(const ui::Control& control) const {
  for (const auto& setting : settings_)
    if (!setting->Tip(control.name()).empty()) return true;
  return false;
}

}  // namespace quillmar
