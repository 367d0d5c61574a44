#include <string>

#include "registry/RegValue.h"
#include "tweak/Catalogue.h"
#include "tweak/Form4.h"

namespace quillmar {
namespace {

constexpr char kUserProfileMessage[] =
    "At least one user profile must be created (in Control panel --> User profiles page)!";

// Exactly the decimal form of a whole number from 0 to 100: no sign, blank or leading zero.
bool IsIconSize(const std::string& text) {
  for (int n = 0; n <= 100; ++n)
    if (text == std::to_string(n)) return true;
  return false;
}

}  // namespace

void Form4::ShowSliderValue() {
  Txtpix.SetText(std::to_string(Slider1.value()));
}

void Form4::Slider1_Scroll() {
  ShowSliderValue();
}

void Form4::Slider1_Change() {
  ShowSliderValue();
}

void Form4::Txtpix_LostFocus() {
  if (IsIconSize(Txtpix.text())) return;
  host().MsgBox("Size must be a number (0 - 100).");
  Txtpix.SetFocus();
}

void Form4::ChckDisableCancelButton_Click() {
  if (ChckDisableCancelButton.value() != 1) return;
  // The restriction only makes sense with user profiles, so it is refused without them.
  if (EqualsOne(Read(module_, RowOf(KeyLabel::kNetworkLogon, "UserProfiles")))) return;
  host().MsgBox(kUserProfileMessage);
  ChckDisableCancelButton.SetValue(0);
}

}  // namespace quillmar
