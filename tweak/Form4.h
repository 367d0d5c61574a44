#pragma once

#include "ui/Forms.h"
#include "ui/Window.h"

namespace quillmar {

// The tweak window. Its controls carry the names of its layout table; each handler is wired to
// its control's event and runs whenever that control really changes, whoever changed it.
class Form4 final : public ui::Window {
 public:
  explicit Form4(ui::Forms& forms);

  // Reading the current settings.
  void Form_Load() override;
  // Applying them.
  void BtnApply_Click();

  // The Start menu groups and their two guards.
  void ChckSettings_Click();
  void ChckControlPanel_Click();
  void ChckTaskbar_Click();
  void ChckFolderOptions_Click();
  void ChckActiveDesktop_Click();
  void ChckWindowsUpdate_Click();
  void ChckDocuments_Click();
  void ChckRecentDocuments_Click();
  void ChckMyDocuments_Click();
  void ChckDisableCancelButton_Click();

  // Select all and Deselect all.
  void Label9_Click();
  void Label10_Click();

  // Pages and the icon size.
  void TabStrip1_Click();
  void Slider1_Scroll();
  void Slider1_Change();
  void Txtpix_LostFocus();

  // The typed URL list and closing.
  void Command1_Click();
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
  Module1& module() { return forms().module(); }
  ui::Host& host() { return forms().host(); }
  bool IsNt() { return module().OsPlatform == 2; }
};

}  // namespace quillmar
