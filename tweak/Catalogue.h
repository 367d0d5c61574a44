#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "logoff/LogOffChoice.h"
#include "registry/Location.h"
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
enum class Rule { kNone, kShowItem, kRestriction };

// What the load and Apply do with a row.
enum class Routine {
  kBox,                    // a check box under its rule
  kActiveDesktopOverride,  // with the feature off, its Start menu item goes too
  kIconSize,               // Txtpix, and the slider at load
  kBitmapType,             // the thumbnail setting: Apply keeps the old type in `bmp`
  kBitmapIcon,             // the thumbnail setting: the load decides on this and the type
  kSavedBitmapType,        // `bmp`, written and read only by the thumbnail setting
  kText,                   // a text box's text
  kTypedUrls,              // one value per list item: url1, url2, ...
  kLogOffChoice,           // one of the three options that share LogOffBox
  kElsewhere,              // read or written by another window or by a rule, never walked
};

struct Row {
  std::string_view control;  // empty for the program's own values and the one precondition
  KeyLabel key;
  std::string_view value;  // the empty text is the key's default value; "url" is a prefix
  Storage storage;
  Routine routine;
  // The load reads every row of a step before it sets any control; 0: the load never reads it.
  int load_step = 0;
  Rule rule = Rule::kNone;
  std::string_view text = {};  // what the row holds when its box is checked or option selected
};

constexpr Row Box(std::string_view control, KeyLabel key, std::string_view value, Rule rule,
                  int load_step) {
  return {control, key, value, Storage::kNumber, Routine::kBox, load_step, rule};
}

constexpr Row Choice(const LogOffChoice& choice, int load_step) {
  return {choice.tweak_option,    KeyLabel::kProgram, "LogOffBox", Storage::kPlainText,
          Routine::kLogOffChoice, load_step,          Rule::kNone, choice.text};
}

constexpr Rule kShow = Rule::kShowItem;
constexpr Rule kRestrict = Rule::kRestriction;
constexpr KeyLabel kExplorerKey = KeyLabel::kExplorerPolicy;
constexpr KeyLabel kSystemKey = KeyLabel::kSystemPolicy;

// Every location the program reads, writes or deletes, in the order in which the load sets the
// controls and Apply writes them.
inline constexpr std::array kCatalogue{
    Box("ChckFavorites", kExplorerKey, "NoFavoritesMenu", kShow, 3),
    Box("ChckDocuments", kExplorerKey, "NoRecentDocsMenu", kShow, 3),
    Box("ChckFind", kExplorerKey, "NoFind", kShow, 3),
    Box("ChckHelp", kExplorerKey, "NoSMHelp", kShow, 3),
    Box("ChckRun", kExplorerKey, "NoRun", kShow, 3),
    Box("ChckLogoff", kExplorerKey, "NoLogOff", kShow, 3),
    Box("ChckClose", kExplorerKey, "NoClose", kShow, 3),
    Box("ChckMyDocuments", kExplorerKey, "NoSMMyDocs", kShow, 4),
    Box("ChckRecentDocuments", kExplorerKey, "NoRecentDocsHistory", kShow, 4),
    // The recent documents are also cleared at logoff exactly when their history is off.
    Box("ChckRecentDocuments", kExplorerKey, "ClearRecentDocsOnExit", kShow, 0),
    Box("ChckControlPanel", kExplorerKey, "NoSetFolders", kShow, 5),
    Box("ChckTaskbar", kExplorerKey, "NoSetTaskbar", kShow, 5),
    Box("ChckFolderOptions", kExplorerKey, "NoFolderOptions", kShow, 5),
    Box("ChckActiveDesktop", kExplorerKey, "NoSetActiveDesktop", kShow, 5),
    Box("ChckWindowsUpdate", kExplorerKey, "NoWindowsUpdate", kShow, 5),
    Box("ChckHide", kExplorerKey, "NoDesktop", kRestrict, 6),
    Box("ChckRightClick", kExplorerKey, "NoViewContextMenu", kRestrict, 6),
    Box("ChckADFeature", kExplorerKey, "NoActiveDesktop", kRestrict, 6),
    Row{"ChckADFeature", kExplorerKey, "NoSetActiveDesktop", Storage::kNumber,
        Routine::kActiveDesktopOverride, 0, Rule::kNone, "1"},
    Box("ChckDontSave", kExplorerKey, "NoSaveSettings", kRestrict, 6),
    Row{"Txtpix", KeyLabel::kWindowMetrics, "Shell Icon Size", Storage::kForcedText,
        Routine::kIconSize, 6},
    Box("ChckDisableRegistry", kSystemKey, "DisableRegistryTools", kRestrict, 6),
    Box("ChckDisableCancelButton", KeyLabel::kNetworkLogon, "MustBeValidated", kRestrict, 6),
    Row{"ChckThumbnails", KeyLabel::kBitmapType, "", Storage::kPlainText, Routine::kBitmapType, 7,
        Rule::kNone, "Paint.Picture"},
    Row{"ChckThumbnails", KeyLabel::kBitmapIcon, "", Storage::kPlainText, Routine::kBitmapIcon, 7,
        Rule::kNone, "%1"},
    Row{"ChckThumbnails", KeyLabel::kProgram, "bmp", Storage::kPlainText,
        Routine::kSavedBitmapType},
    Box("ChckDisplayChanges", kSystemKey, "NoDispCPL", kRestrict, 7),
    Box("ChckDenyPasswords", kSystemKey, "NoPwdPage", kRestrict, 7),
    Box("ChckDenyUserProfiles", kSystemKey, "NoProfilePage", kRestrict, 7),
    Row{"TxtName", KeyLabel::kSetupUserInfo, "DefName", Storage::kForcedText, Routine::kText, 8},
    Row{"TxtName", KeyLabel::kWindowsVersion, "RegisteredOwner", Storage::kForcedText,
        Routine::kText},
    Row{"TxtCompany", KeyLabel::kSetupUserInfo, "DefCompany", Storage::kForcedText, Routine::kText,
        8},
    Row{"TxtCompany", KeyLabel::kWindowsVersion, "RegisteredOrganization", Storage::kForcedText,
        Routine::kText},
    // Forced text, so that an address made only of digits stays the text the history holds.
    Row{"List1", KeyLabel::kTypedUrl, "url", Storage::kForcedText, Routine::kTypedUrls, 9},
    Choice(kPrompt, 10),
    Choice(kLogOffAtOnce, 0),
    Choice(kNeverLogOff, 0),
    Row{"", KeyLabel::kProgram, "FirstTime", Storage::kPlainText, Routine::kElsewhere},
    Row{"", KeyLabel::kNetworkLogon, "UserProfiles", Storage::kNumber, Routine::kElsewhere},
};

// The first row of that key and value name; a row missing from the table does not compile.
consteval const Row& RowOf(KeyLabel key, std::string_view value) {
  for (const Row& row : kCatalogue)
    if (row.key == key && row.value == value) return row;
  throw std::logic_error("no such catalogue row");
}

// The row's text as a value, to write or to compare exactly with what was read.
inline RegValue TextOf(const Row& row) {
  return std::string(row.text);
}

// Where a row's value lives; not for the typed URLs, whose names carry a number.
constexpr Location LocationOf(const Row& row) {
  return {KeyOf(row.key).root, KeyOf(row.key).path, row.value};
}

// The row's control in the window, when it is there and of that kind.
template <typename T>
T* ControlOf(const ui::Window& window, const Row& row) {
  return dynamic_cast<T*>(window.Find(row.control));
}

// The value name of a row; `number` picks "url1", "url2", ... of the typed URL row.
std::string ValueName(const Row& row, std::int32_t number = 0);

// The helpers of Module1 on a row, with what they report: `outcome`, when given, tells whether
// the read found a value, nothing, or something it could not read.
RegValue Read(Module1& m, const Row& row, std::int32_t number = 0, ReadOutcome* outcome = nullptr);
// Sets SaveAsText first when the row is stored as forced text; true when the value was stored.
bool Write(Module1& m, const Row& row, const RegValue& value, std::int32_t number = 0);
// True when the value is gone afterwards.
bool Delete(Module1& m, const Row& row, std::int32_t number = 0);

// The box state a stored value gives under the row's rule.
int StateOf(Rule rule, const RegValue& stored);
// The text "1" or "0" a box state writes under the row's rule.
std::string ValueOf(Rule rule, int state);

}  // namespace quillmar
