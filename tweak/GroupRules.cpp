#include "tweak/Form4.h"

namespace quillmar {

void Form4::ChckSettings_Click() {}
void Form4::ChckControlPanel_Click() {}
void Form4::ChckTaskbar_Click() {}
void Form4::ChckFolderOptions_Click() {}
void Form4::ChckActiveDesktop_Click() {}
void Form4::ChckWindowsUpdate_Click() {}
void Form4::ChckDocuments_Click() {}
void Form4::ChckRecentDocuments_Click() {}
void Form4::ChckMyDocuments_Click() {}
void Form4::ChckDisableCancelButton_Click() {}
void Form4::Label9_Click() {}
void Form4::Label10_Click() {}

}  // namespace quillmar
