#include <array>

#include "tweak/Form4.h"

namespace quillmar {
namespace {

constexpr char kActiveDesktopMessage[] =
    "Active Desktop feature must be enabled (in Desktop + Special tab)!";

// The Settings children in the order every rule walks them.
std::array<ui::CheckBox*, 5> SettingsChildren(Form4& f) {
  return {&f.ChckControlPanel, &f.ChckTaskbar, &f.ChckFolderOptions, &f.ChckActiveDesktop,
          &f.ChckWindowsUpdate};
}

bool AllSettingsChildrenUnchecked(Form4& f) {
  for (const ui::CheckBox* child : SettingsChildren(f))
    if (child->value() != 0) return false;
  return true;
}

// The parent summarises its children: checked while any child is not unchecked.
void DeriveSettings(Form4& f) {
  f.ChckSettings.SetValue(AllSettingsChildrenUnchecked(f) ? 0 : 1);
}

// On NT the Documents parent is checked exactly while one of its two children is.
void DeriveDocumentsOnNt(Form4& f, const ui::CheckBox& child) {
  if (child.value() == 1) f.ChckDocuments.SetValue(1);
  if (f.ChckRecentDocuments.value() == 0 && f.ChckMyDocuments.value() == 0)
    f.ChckDocuments.SetValue(0);
}

// The removable Start menu items in the order both operations set them; the order matters, as
// each box's rule runs before the next box is set.
std::array<ui::CheckBox*, 15> StartMenuItems(Form4& f) {
  return {&f.ChckFavorites,     &f.ChckDocuments,   &f.ChckSettings,       &f.ChckFind,
          &f.ChckHelp,          &f.ChckRun,         &f.ChckLogoff,         &f.ChckClose,
          &f.ChckControlPanel,  &f.ChckTaskbar,     &f.ChckFolderOptions,  &f.ChckActiveDesktop,
          &f.ChckWindowsUpdate, &f.ChckMyDocuments, &f.ChckRecentDocuments};
}

}  // namespace

void Form4::ChckSettings_Click() {
  if (ChckSettings.value() == 0) {
    // Each child's own rule runs in between and may check the parent again until the last goes.
    for (ui::CheckBox* child : SettingsChildren(*this)) child->SetValue(0);
    return;
  }
  if (AllSettingsChildrenUnchecked(*this)) ChckControlPanel.SetValue(1);
}

void Form4::ChckControlPanel_Click() {
  DeriveSettings(*this);
}
void Form4::ChckTaskbar_Click() {
  DeriveSettings(*this);
}
void Form4::ChckFolderOptions_Click() {
  DeriveSettings(*this);
}
void Form4::ChckWindowsUpdate_Click() {
  DeriveSettings(*this);
}

void Form4::ChckActiveDesktop_Click() {
  if (AllSettingsChildrenUnchecked(*this)) {
    ChckSettings.SetValue(0);
    return;
  }
  ChckSettings.SetValue(1);
  // The Start menu item is pointless while the feature itself is switched off.
  if (ChckADFeature.value() == 1 && ChckActiveDesktop.value() == 1) {
    host().MsgBox(kActiveDesktopMessage);
    ChckActiveDesktop.SetValue(0);
  }
}

void Form4::ChckDocuments_Click() {
  if (ChckDocuments.value() == 0) {
    ChckMyDocuments.SetValue(0);
    ChckRecentDocuments.SetValue(0);
    return;
  }
  if (!IsNt()) {
    // On 9x My documents has no state of its own: grey says it goes with its parent.
    ChckMyDocuments.SetValue(2);
    ChckMyDocuments.SetEnabled(false);
    return;
  }
  if (ChckRecentDocuments.value() == 0) ChckMyDocuments.SetValue(1);
}

void Form4::ChckRecentDocuments_Click() {
  if (IsNt()) {
    DeriveDocumentsOnNt(*this, ChckRecentDocuments);
    return;
  }
  if (ChckRecentDocuments.value() == 1) ChckDocuments.SetValue(1);
}

void Form4::ChckMyDocuments_Click() {
  if (IsNt()) DeriveDocumentsOnNt(*this, ChckMyDocuments);
}

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
