#include <array>
#include <string>

#include "tweak/Form4.h"

namespace quillmar {
namespace {

// Exactly the decimal form of a whole number from 0 to 100: no sign, blank or leading zero.
bool IsIconSize(const std::string& text) {
  for (int n = 0; n <= 100; ++n)
    if (text == std::to_string(n)) return true;
  return false;
}

}  // namespace

void Form4::TabStrip1_Click() {
  const int selected = TabStrip1.SelectedItem();
  const std::array<ui::Control*, 4> pages = {&Frame1, &Frame2, &Frame3, &Frame4};
  for (std::size_t i = 0; i < pages.size(); ++i)
    pages[i]->SetVisible(static_cast<int>(i) + 1 == selected);
}

void Form4::Slider1_Scroll() {
  Txtpix.SetText(std::to_string(Slider1.value()));
}

void Form4::Slider1_Change() {
  Txtpix.SetText(std::to_string(Slider1.value()));
}

void Form4::Txtpix_LostFocus() {
  if (IsIconSize(Txtpix.text())) return;
  host().MsgBox("Size must be a number (0 - 100).");
  Txtpix.SetFocus();
}

}  // namespace quillmar
