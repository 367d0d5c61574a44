#include "tweak/Form4.h"

#include <array>

#include "tweak/Form4Layout.h"

namespace quillmar {

Form4::Form4(ui::Forms& forms, Module1& module)
    : Window(Form4Layout(), forms),
      TabStrip1(Get<ui::TabStrip>("TabStrip1")),
      Frame1(Get<ui::Control>("Frame1")),
      Frame2(Get<ui::Control>("Frame2")),
      Frame3(Get<ui::Control>("Frame3")),
      Frame4(Get<ui::Control>("Frame4")),
      BtnApply(Get<ui::Button>("BtnApply")),
      Command1(Get<ui::Button>("Command1")),
      Check1(Get<ui::CheckBox>("Check1")),
      ChckFavorites(Get<ui::CheckBox>("ChckFavorites")),
      ChckDocuments(Get<ui::CheckBox>("ChckDocuments")),
      ChckSettings(Get<ui::CheckBox>("ChckSettings")),
      ChckFind(Get<ui::CheckBox>("ChckFind")),
      ChckHelp(Get<ui::CheckBox>("ChckHelp")),
      ChckRun(Get<ui::CheckBox>("ChckRun")),
      ChckLogoff(Get<ui::CheckBox>("ChckLogoff")),
      ChckClose(Get<ui::CheckBox>("ChckClose")),
      ChckMyDocuments(Get<ui::CheckBox>("ChckMyDocuments")),
      ChckRecentDocuments(Get<ui::CheckBox>("ChckRecentDocuments")),
      ChckControlPanel(Get<ui::CheckBox>("ChckControlPanel")),
      ChckTaskbar(Get<ui::CheckBox>("ChckTaskbar")),
      ChckFolderOptions(Get<ui::CheckBox>("ChckFolderOptions")),
      ChckActiveDesktop(Get<ui::CheckBox>("ChckActiveDesktop")),
      ChckWindowsUpdate(Get<ui::CheckBox>("ChckWindowsUpdate")),
      Label9(Get<ui::Label>("Label9")),
      Label10(Get<ui::Label>("Label10")),
      ChckHide(Get<ui::CheckBox>("ChckHide")),
      ChckRightClick(Get<ui::CheckBox>("ChckRightClick")),
      ChckADFeature(Get<ui::CheckBox>("ChckADFeature")),
      ChckDontSave(Get<ui::CheckBox>("ChckDontSave")),
      Txtpix(Get<ui::TextBox>("Txtpix")),
      Slider1(Get<ui::Slider>("Slider1")),
      ChckDisableRegistry(Get<ui::CheckBox>("ChckDisableRegistry")),
      ChckDisableCancelButton(Get<ui::CheckBox>("ChckDisableCancelButton")),
      ChckThumbnails(Get<ui::CheckBox>("ChckThumbnails")),
      ChckDisplayChanges(Get<ui::CheckBox>("ChckDisplayChanges")),
      ChckDenyPasswords(Get<ui::CheckBox>("ChckDenyPasswords")),
      ChckDenyUserProfiles(Get<ui::CheckBox>("ChckDenyUserProfiles")),
      TxtName(Get<ui::TextBox>("TxtName")),
      TxtCompany(Get<ui::TextBox>("TxtCompany")),
      List1(Get<ui::ListBox>("List1")),
      Command2(Get<ui::Button>("Command2")),
      OptPrompt1(Get<ui::OptionButton>("OptPrompt1")),
      OptDontPromptAndLogOff1(Get<ui::OptionButton>("OptDontPromptAndLogOff1")),
      OptDontPromptAndDontLogOff1(Get<ui::OptionButton>("OptDontPromptAndDontLogOff1")),
      module_(module),
      settings_(MakeSettings(*this, module)) {
  // Until a tab is first chosen only the Start Menu page is in view.
  for (ui::Control* page : {&Frame2, &Frame3, &Frame4}) page->SetVisible(false);

  BtnApply.OnClick = [this] { BtnApply_Click(); };
  ChckSettings.OnClick = [this] { ChckSettings_Click(); };
  ChckControlPanel.OnClick = [this] { ChckControlPanel_Click(); };
  ChckTaskbar.OnClick = [this] { ChckTaskbar_Click(); };
  ChckFolderOptions.OnClick = [this] { ChckFolderOptions_Click(); };
  ChckActiveDesktop.OnClick = [this] { ChckActiveDesktop_Click(); };
  ChckWindowsUpdate.OnClick = [this] { ChckWindowsUpdate_Click(); };
  ChckDocuments.OnClick = [this] { ChckDocuments_Click(); };
  ChckRecentDocuments.OnClick = [this] { ChckRecentDocuments_Click(); };
  ChckMyDocuments.OnClick = [this] { ChckMyDocuments_Click(); };
  ChckDisableCancelButton.OnClick = [this] { ChckDisableCancelButton_Click(); };
  Label9.OnClick = [this] { Label9_Click(); };
  Label10.OnClick = [this] { Label10_Click(); };
  TabStrip1.OnClick = [this] { TabStrip1_Click(); };
  Slider1.OnScroll = [this] { Slider1_Scroll(); };
  Slider1.OnChange = [this] { Slider1_Change(); };
  Txtpix.OnLostFocus = [this] { Txtpix_LostFocus(); };
  Command1.OnClick = [this] { Command1_Click(); };
  Command2.OnClick = [this] { Command2_Click(); };
}

void Form4::Command1_Click() {
  forms().Close(*this);
}

void Form4::TabStrip1_Click() {
  const int selected = TabStrip1.SelectedItem();
  const std::array<ui::Control*, 4> pages = {&Frame1, &Frame2, &Frame3, &Frame4};
  for (std::size_t i = 0; i < pages.size(); ++i)
    pages[i]->SetVisible(static_cast<int>(i) + 1 == selected);
}

}  // namespace quillmar
