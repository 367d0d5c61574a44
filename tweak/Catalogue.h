#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "registry/Module1.h"
#include "registry/RegValue.h"
#include "registry/RegistryBackend.h"
#include "ui/Window.h"

namespace quillmar {

// The ten keys the program touches, by label.
enum class KeyLabel {
  kExplorerPolicy,
  kSystemPolicy,
  kNetworkLogon,
  kWindowMetrics,
  kSetupUserInfo,
  kWindowsVersion,
  kTypedUrl,
  kBitmapType,
  kBitmapIcon,
  kProgram,
};

struct KeyPath {
  RegHandle root;
  std::string_view path;
};

inline constexpr std::array<KeyPath, 10> kKeys{{
    {kCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"},
    {kCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System"},
    {kLocalMachine, "Network\\Logon"},
    {kCurrentUser, "Control Panel\\Desktop\\WindowMetrics"},
    {kCurrentUser, "Software\\Microsoft\\MS Setup (ACME)\\User Info"},
    {kLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion"},
    {kCurrentUser, "Software\\Microsoft\\Internet Explorer\\TypedURLs"},
    {kClassesRoot, ".bmp"},
    {kClassesRoot, "Paint.Picture\\DefaultIcon"},
    {kCurrentUser, "Software\\Quillmar"},
}};

constexpr const KeyPath& KeyOf(KeyLabel label) {
  return kKeys[static_cast<std::size_t>(label)];
}

// How a row's value is handed to SaveValue: "1"/"0" stored as a number, text with SaveAsText set
// right before the write, or text left to SaveValue's own choice.
enum class Storage { kNumber, kForcedText, kPlainText };

// kShowItem: a checked box shows the Start menu item, unchecked writes 1.
// kRestriction: a checked box turns the restriction on and writes 1.
// kNone: no box rule; the routine named after the row reads and writes it.
enum class Rule { kNone, kShowItem, kRestriction };

struct Row {
  std::string_view control;  // empty for the program's own values and the one precondition
  KeyLabel key;
  std::string_view value;  // the empty text is the key's default value; "url" is a prefix
  Storage storage;
  Rule rule;
  std::string_view text = {};  // what the row holds when its box is checked or option selected
};

// Every location the program reads, writes or deletes, in the order the load sets the controls.
inline constexpr std::array kCatalogue{
    Row{"ChckFavorites", KeyLabel::kExplorerPolicy, "NoFavoritesMenu", Storage::kNumber,
        Rule::kShowItem},
    Row{"ChckDocuments", KeyLabel::kExplorerPolicy, "NoRecentDocsMenu", Storage::kNumber,
        Rule::kShowItem},
    Row{"ChckFind", KeyLabel::kExplorerPolicy, "NoFind", Storage::kNumber, Rule::kShowItem},
    Row{"ChckHelp", KeyLabel::kExplorerPolicy, "NoSMHelp", Storage::kNumber, Rule::kShowItem},
    Row{"ChckRun", KeyLabel::kExplorerPolicy, "NoRun", Storage::kNumber, Rule::kShowItem},
    Row{"ChckLogoff", KeyLabel::kExplorerPolicy, "NoLogOff", Storage::kNumber, Rule::kShowItem},
    Row{"ChckClose", KeyLabel::kExplorerPolicy, "NoClose", Storage::kNumber, Rule::kShowItem},
    Row{"ChckMyDocuments", KeyLabel::kExplorerPolicy, "NoSMMyDocs", Storage::kNumber,
        Rule::kShowItem},
    Row{"ChckRecentDocuments", KeyLabel::kExplorerPolicy, "NoRecentDocsHistory", Storage::kNumber,
        Rule::kShowItem},
    Row{"ChckRecentDocuments", KeyLabel::kExplorerPolicy, "ClearRecentDocsOnExit", Storage::kNumber,
        Rule::kNone},
    Row{"ChckControlPanel", KeyLabel::kExplorerPolicy, "NoSetFolders", Storage::kNumber,
        Rule::kShowItem},
    Row{"ChckTaskbar", KeyLabel::kExplorerPolicy, "NoSetTaskbar", Storage::kNumber,
        Rule::kShowItem},
    Row{"ChckFolderOptions", KeyLabel::kExplorerPolicy, "NoFolderOptions", Storage::kNumber,
        Rule::kShowItem},
    Row{"ChckActiveDesktop", KeyLabel::kExplorerPolicy, "NoSetActiveDesktop", Storage::kNumber,
        Rule::kShowItem},
    Row{"ChckWindowsUpdate", KeyLabel::kExplorerPolicy, "NoWindowsUpdate", Storage::kNumber,
        Rule::kShowItem},
    Row{"ChckHide", KeyLabel::kExplorerPolicy, "NoDesktop", Storage::kNumber, Rule::kRestriction},
    Row{"ChckRightClick", KeyLabel::kExplorerPolicy, "NoViewContextMenu", Storage::kNumber,
        Rule::kRestriction},
    Row{"ChckADFeature", KeyLabel::kExplorerPolicy, "NoActiveDesktop", Storage::kNumber,
        Rule::kRestriction},
    Row{"ChckADFeature", KeyLabel::kExplorerPolicy, "NoSetActiveDesktop", Storage::kNumber,
        Rule::kNone, "1"},
    Row{"ChckDontSave", KeyLabel::kExplorerPolicy, "NoSaveSettings", Storage::kNumber,
        Rule::kRestriction},
    Row{"Txtpix", KeyLabel::kWindowMetrics, "Shell Icon Size", Storage::kForcedText, Rule::kNone},
    Row{"ChckDisableRegistry", KeyLabel::kSystemPolicy, "DisableRegistryTools", Storage::kNumber,
        Rule::kRestriction},
    Row{"ChckDisableCancelButton", KeyLabel::kNetworkLogon, "MustBeValidated", Storage::kNumber,
        Rule::kRestriction},
    Row{"ChckThumbnails", KeyLabel::kBitmapType, "", Storage::kPlainText, Rule::kNone,
        "Paint.Picture"},
    Row{"ChckThumbnails", KeyLabel::kBitmapIcon, "", Storage::kPlainText, Rule::kNone, "%1"},
    Row{"ChckThumbnails", KeyLabel::kProgram, "bmp", Storage::kPlainText, Rule::kNone},
    Row{"ChckDisplayChanges", KeyLabel::kSystemPolicy, "NoDispCPL", Storage::kNumber,
        Rule::kRestriction},
    Row{"ChckDenyPasswords", KeyLabel::kSystemPolicy, "NoPwdPage", Storage::kNumber,
        Rule::kRestriction},
    Row{"ChckDenyUserProfiles", KeyLabel::kSystemPolicy, "NoProfilePage", Storage::kNumber,
        Rule::kRestriction},
    Row{"TxtName", KeyLabel::kSetupUserInfo, "DefName", Storage::kForcedText, Rule::kNone},
    Row{"TxtName", KeyLabel::kWindowsVersion, "RegisteredOwner", Storage::kForcedText, Rule::kNone},
    Row{"TxtCompany", KeyLabel::kSetupUserInfo, "DefCompany", Storage::kForcedText, Rule::kNone},
    Row{"TxtCompany", KeyLabel::kWindowsVersion, "RegisteredOrganization", Storage::kForcedText,
        Rule::kNone},
    // Forced text, so that an address made only of digits stays the text the history holds.
    Row{"List1", KeyLabel::kTypedUrl, "url", Storage::kForcedText, Rule::kNone},
    Row{"OptPrompt1", KeyLabel::kProgram, "LogOffBox", Storage::kPlainText, Rule::kNone, "Prompt"},
    Row{"OptDontPromptAndLogOff1", KeyLabel::kProgram, "LogOffBox", Storage::kPlainText,
        Rule::kNone, "NoPromptLogOff"},
    Row{"OptDontPromptAndDontLogOff1", KeyLabel::kProgram, "LogOffBox", Storage::kPlainText,
        Rule::kNone, "NoPromptNoLogOff"},
    Row{"", KeyLabel::kProgram, "FirstTime", Storage::kPlainText, Rule::kNone},
    Row{"", KeyLabel::kNetworkLogon, "UserProfiles", Storage::kNumber, Rule::kNone},
};

// The row of that control and value name; a name missing from the table does not compile.
consteval const Row& RowOf(std::string_view control, std::string_view value) {
  for (const Row& row : kCatalogue)
    if (row.control == control && row.value == value) return row;
  throw std::logic_error("no such catalogue row");
}

// The first row of that key and value name.
consteval const Row& RowOf(KeyLabel key, std::string_view value) {
  for (const Row& row : kCatalogue)
    if (row.key == key && row.value == value) return row;
  throw std::logic_error("no such catalogue row");
}

// The rows from the first row of control `first` to the last row of control `last`.
consteval std::span<const Row> Rows(std::string_view first, std::string_view last) {
  std::size_t begin = kCatalogue.size();
  std::size_t end = 0;
  for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
    if (kCatalogue[i].control == first && begin == kCatalogue.size()) begin = i;
    if (kCatalogue[i].control == last) end = i + 1;
  }
  if (begin >= end) throw std::logic_error("no such catalogue range");
  return std::span<const Row>(kCatalogue).subspan(begin, end - begin);
}

// The three rows of the log-off choice, in the order Apply writes them.
inline constexpr std::span<const Row> kLogOffChoices =
    Rows("OptPrompt1", "OptDontPromptAndDontLogOff1");

// The row's text as a value, to write or to compare exactly with what was read.
inline RegValue TextOf(const Row& row) {
  return std::string(row.text);
}

// The row's control in the window, when it is there and of that kind.
template <typename T>
T* ControlOf(const ui::Window& window, const Row& row) {
  return dynamic_cast<T*>(window.Find(row.control));
}

// The value name of a row; `number` picks "url1", "url2", ... of the typed URL row.
std::string ValueName(const Row& row, std::int32_t number = 0);

RegValue Read(Module1& m, const Row& row, std::int32_t number = 0);
// Sets SaveAsText first when the row is stored as forced text.
void Write(Module1& m, const Row& row, const RegValue& value, std::int32_t number = 0);
void Delete(Module1& m, const Row& row, std::int32_t number = 0);

// The box state a stored value gives under the row's rule.
int StateOf(Rule rule, const RegValue& stored);
// The text "1" or "0" a box state writes under the row's rule.
std::string ValueOf(Rule rule, int state);

}  // namespace quillmar
