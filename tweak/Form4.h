#pragma once

#include <memory>
#include <string>
#include <vector>

#include "registry/Module1.h"
#include "tweak/Setting.h"
#include "ui/Forms.h"
#include "ui/Window.h"

namespace quillmar {

// The tweak window. Its controls carry the names of its layout table; each handler is wired to
// its control's event and runs whenever that control really changes, whoever changed it. What
// the controls stand for in the registry are its settings, one per control, in the catalogue.
class Form4 final : public ui::Window {
 public:
  Form4(ui::Forms& forms, Module1& module);

  // Form4Load.cpp: reading the current settings.
  void Form_Load() override;
  // Form4Apply.cpp: writing them back, then the log-off choice.
  void BtnApply_Click();
  // Every write and deletion of Apply, without the log-off step.
  void ApplySettings();
  // What the control's setting writes where, after what overrides it machine-wide, read now.
  std::string ToolTip(const ui::Control& control) const override;
  bool HasToolTip(const ui::Control& control) const override;
  const std::vector<std::unique_ptr<Setting>>& settings() const { return settings_; }

  // Form4.cpp: below and above the pages: Close, and the tabs.
  void Command1_Click();
  void TabStrip1_Click();

  // Form4StartMenuPage.cpp: the Settings and Documents groups, the Active Desktop guard,
  // Select all and Deselect all.
  void ChckSettings_Click();
  void ChckControlPanel_Click();
  void ChckTaskbar_Click();
  void ChckFolderOptions_Click();
  void ChckActiveDesktop_Click();
  void ChckWindowsUpdate_Click();
  void ChckDocuments_Click();
  void ChckRecentDocuments_Click();
  void ChckMyDocuments_Click();
  void Label9_Click();
  void Label10_Click();

  // Form4DesktopPage.cpp: the icon size, and the user-profile guard.
  void Slider1_Scroll();
  void Slider1_Change();
  void Txtpix_LostFocus();
  void ChckDisableCancelButton_Click();

  // Form4OtherPage.cpp: Delete in the typed URL list.
  void Command2_Click();

  ui::TabStrip& TabStrip1;
  ui::Control& Frame1;
  ui::Control& Frame2;
  ui::Control& Frame3;
  ui::Control& Frame4;
  ui::Button& BtnApply;
  ui::Button& Command1;

  ui::CheckBox& Check1;
  ui::CheckBox& ChckFavorites;
  ui::CheckBox& ChckDocuments;
  ui::CheckBox& ChckSettings;
  ui::CheckBox& ChckFind;
  ui::CheckBox& ChckHelp;
  ui::CheckBox& ChckRun;
  ui::CheckBox& ChckLogoff;
  ui::CheckBox& ChckClose;
  ui::CheckBox& ChckMyDocuments;
  ui::CheckBox& ChckRecentDocuments;
  ui::CheckBox& ChckControlPanel;
  ui::CheckBox& ChckTaskbar;
  ui::CheckBox& ChckFolderOptions;
  ui::CheckBox& ChckActiveDesktop;
  ui::CheckBox& ChckWindowsUpdate;
  ui::Label& Label9;
  ui::Label& Label10;

  ui::CheckBox& ChckHide;
  ui::CheckBox& ChckRightClick;
  ui::CheckBox& ChckADFeature;
  ui::CheckBox& ChckDontSave;
  ui::TextBox& Txtpix;
  ui::Slider& Slider1;
  ui::CheckBox& ChckDisableRegistry;
  ui::CheckBox& ChckDisableCancelButton;

  ui::CheckBox& ChckThumbnails;
  ui::CheckBox& ChckDisplayChanges;
  ui::CheckBox& ChckDenyPasswords;
  ui::CheckBox& ChckDenyUserProfiles;
  ui::TextBox& TxtName;
  ui::TextBox& TxtCompany;
  ui::ListBox& List1;
  ui::Button& Command2;

  ui::OptionButton& OptPrompt1;
  ui::OptionButton& OptDontPromptAndLogOff1;
  ui::OptionButton& OptDontPromptAndDontLogOff1;

 private:
  ui::Host& host() { return forms().host(); }
  bool IsNt() const { return module_.OsPlatform == 2; }
  // Both of the slider's reactions: the text follows every value the slider takes.
  void ShowSliderValue();

  Module1& module_;
  std::vector<std::unique_ptr<Setting>> settings_;
};

}  // namespace quillmar
