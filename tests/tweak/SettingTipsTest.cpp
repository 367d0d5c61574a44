#include <gtest/gtest.h>

#include "tweak/SettingTips.h"

namespace quillmar::test {
namespace {

// As a user reads them in the tooltip and types them into a registry editor.
TEST(SettingTips, NameEachLocationAndWhatApplyWritesForEachState) {
  const std::pair<const char*, const char*> cases[] = {
      {"ChckFind",
       "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\n"
       "NoFind (REG_DWORD): 1 when unchecked, 0 otherwise"},
      {"ChckDisableCancelButton",
       "HKEY_LOCAL_MACHINE\\Network\\Logon (needs an administrator)\n"
       "MustBeValidated (REG_DWORD): 1 when checked, 0 otherwise"},
      {"Slider1",
       "HKEY_CURRENT_USER\\Control Panel\\Desktop\\WindowMetrics\n"
       "Shell Icon Size (REG_SZ): the size in the box, as text"},
      {"ChckThumbnails",
       "HKEY_CLASSES_ROOT\\.bmp\n"
       "(Default) (REG_SZ): \"Paint.Picture\" when checked; when unchecked and still "
       "\"Paint.Picture\", the type saved in bmp\n"
       "HKEY_CLASSES_ROOT\\Paint.Picture\\DefaultIcon\n"
       "(Default) (REG_SZ): \"%1\" when checked\n"
       "HKEY_CURRENT_USER\\Software\\Quillmar\n"
       "bmp: the type in force before, saved when checked"},
      {"TxtCompany",
       "HKEY_CURRENT_USER\\Software\\Microsoft\\MS Setup (ACME)\\User Info\n"
       "DefCompany (REG_SZ): the text in the box\n"
       "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion (needs an administrator)\n"
       "RegisteredOrganization (REG_SZ): the text in the box, unless it is blank"},
      {"List1",
       "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\TypedURLs\n"
       "url1, url2, ... (REG_SZ): one address each, in the list's order; those after the last "
       "are deleted"},
      {"OptDontPromptAndLogOff1",
       "HKEY_CURRENT_USER\\Software\\Quillmar\n"
       "LogOffBox (REG_SZ): \"NoPromptLogOff\" when selected"},
      {"BtnApply", ""},
      {"", ""},
  };
  for (const auto& [control, tip] : cases) EXPECT_EQ(tip, SettingTip(control)) << control;
}

}  // namespace
}  // namespace quillmar::test
