#include <array>

#include "tweak/Form4.h"

namespace quillmar {
namespace {

// The removable Start menu items in the order both operations set them; the order matters, as
// each box's rule runs before the next box is set.
std::array<ui::CheckBox*, 15> StartMenuItems(Form4& f) {
  return {&f.ChckFavorites,     &f.ChckDocuments,   &f.ChckSettings,       &f.ChckFind,
          &f.ChckHelp,          &f.ChckRun,         &f.ChckLogoff,         &f.ChckClose,
          &f.ChckControlPanel,  &f.ChckTaskbar,     &f.ChckFolderOptions,  &f.ChckActiveDesktop,
          &f.ChckWindowsUpdate, &f.ChckMyDocuments, &f.ChckRecentDocuments};
}

}  // namespace

void Form4::Label9_Click() {
  for (ui::CheckBox* box : StartMenuItems(*this)) box->SetValue(1);
}

void Form4::Label10_Click() {
  for (ui::CheckBox* box : StartMenuItems(*this)) {
    // Help is disabled on 9x and keeps what the load gave it.
    if (box == &ChckHelp && !IsNt()) continue;
    box->SetValue(0);
  }
}

}  // namespace quillmar
