#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "logoff/LogOffChoice.h"
#include "registry/Location.h"
#include "registry/Module1.h"
#include "registry/RegValue.h"
#include "registry/RegistryBackend.h"

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
  // A policy key: Windows reads each of its values under HKEY_LOCAL_MACHINE first, for every
  // user, and that machine-wide twin takes precedence where it is set.
  bool machine_twin = false;
};

inline constexpr std::array<KeyPath, 10> kKeys{{
    {kCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", true},
    {kCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System", true},
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

// What a control stands for; each kind's load, Apply and tooltip live in a file of its own, and
// the window chooses the kind of each setting once, when it is built (Settings.cpp).
enum class Kind {
  kNone,                  // no setting of the window: the program's own values, a precondition
  kBox,                   // a check box under its rule
  kActiveDesktopFeature,  // a box under its rule that, checked, also takes away a menu item
  kIconSize,              // the icon size's text box, with its slider
  kThumbnails,            // the bitmap type and icon, with the type in force before kept
  kText,                  // a text box's text
  kTypedUrls,             // one value per list item
  kLogOffChoice,          // the options that share one value
};

struct Row {
  std::string_view control;  // whose setting the row belongs to; empty for none
  Kind kind;
  KeyLabel key;
  std::string_view value;  // the empty text is the key's default value
  Storage storage;
  Rule rule = Rule::kNone;
  std::string_view text = {};  // what the row holds when its box is checked or option selected
  bool numbered = false;       // `value` is followed by a number from 1: url1, url2, ...
  bool from_file = true;       // false: the account's own, which Apply keeps and no file sets
};

constexpr Row Box(std::string_view control, KeyLabel key, std::string_view value, Rule rule) {
  return {control, Kind::kBox, key, value, Storage::kNumber, rule};
}

constexpr Row Choice(const LogOffChoice& choice) {
  return {.control = choice.tweak_option,
          .kind = Kind::kLogOffChoice,
          .key = KeyLabel::kProgram,
          .value = "LogOffBox",
          .storage = Storage::kPlainText,
          .text = choice.text};
}

constexpr Row Own(KeyLabel key, std::string_view value, Storage storage) {
  return {.control = {}, .kind = Kind::kNone, .key = key, .value = value, .storage = storage};
}

constexpr Rule kShow = Rule::kShowItem;
constexpr Rule kRestrict = Rule::kRestriction;
constexpr KeyLabel kExplorerKey = KeyLabel::kExplorerPolicy;
constexpr KeyLabel kSystemKey = KeyLabel::kSystemPolicy;

// Every location the program reads, writes or deletes. The rows of one control (or one value)
// make one setting; the window loads the settings in this order and Apply writes them in it.
inline constexpr std::array kCatalogue{
    Box("ChckFavorites", kExplorerKey, "NoFavoritesMenu", kShow),
    Box("ChckDocuments", kExplorerKey, "NoRecentDocsMenu", kShow),
    Box("ChckFind", kExplorerKey, "NoFind", kShow),
    Box("ChckHelp", kExplorerKey, "NoSMHelp", kShow),
    Box("ChckRun", kExplorerKey, "NoRun", kShow),
    Box("ChckLogoff", kExplorerKey, "NoLogOff", kShow),
    Box("ChckClose", kExplorerKey, "NoClose", kShow),
    Box("ChckMyDocuments", kExplorerKey, "NoSMMyDocs", kShow),
    Box("ChckRecentDocuments", kExplorerKey, "NoRecentDocsHistory", kShow),
    // The recent documents are also cleared at logoff exactly when their history is off.
    Box("ChckRecentDocuments", kExplorerKey, "ClearRecentDocsOnExit", kShow),
    Box("ChckControlPanel", kExplorerKey, "NoSetFolders", kShow),
    Box("ChckTaskbar", kExplorerKey, "NoSetTaskbar", kShow),
    Box("ChckFolderOptions", kExplorerKey, "NoFolderOptions", kShow),
    Box("ChckActiveDesktop", kExplorerKey, "NoSetActiveDesktop", kShow),
    Box("ChckWindowsUpdate", kExplorerKey, "NoWindowsUpdate", kShow),
    Box("ChckHide", kExplorerKey, "NoDesktop", kRestrict),
    Box("ChckRightClick", kExplorerKey, "NoViewContextMenu", kRestrict),
    // The feature's own value, then the Start menu item it takes away when switched off.
    Row{"ChckADFeature", Kind::kActiveDesktopFeature, kExplorerKey, "NoActiveDesktop",
        Storage::kNumber, kRestrict},
    Row{"ChckADFeature", Kind::kActiveDesktopFeature, kExplorerKey, "NoSetActiveDesktop",
        Storage::kNumber, Rule::kNone, "1"},
    Box("ChckDontSave", kExplorerKey, "NoSaveSettings", kRestrict),
    Row{"Txtpix", Kind::kIconSize, KeyLabel::kWindowMetrics, "Shell Icon Size",
        Storage::kForcedText},
    Box("ChckDisableRegistry", kSystemKey, "DisableRegistryTools", kRestrict),
    Box("ChckDisableCancelButton", KeyLabel::kNetworkLogon, "MustBeValidated", kRestrict),
    // The bitmap type, its icon, and where the type in force before the thumbnails is kept.
    Row{"ChckThumbnails", Kind::kThumbnails, KeyLabel::kBitmapType, "", Storage::kPlainText,
        Rule::kNone, "Paint.Picture"},
    Row{"ChckThumbnails", Kind::kThumbnails, KeyLabel::kBitmapIcon, "", Storage::kPlainText,
        Rule::kNone, "%1"},
    Row{.control = "ChckThumbnails",
        .kind = Kind::kThumbnails,
        .key = KeyLabel::kProgram,
        .value = "bmp",
        .storage = Storage::kPlainText,
        .from_file = false},
    Box("ChckDisplayChanges", kSystemKey, "NoDispCPL", kRestrict),
    Box("ChckDenyPasswords", kSystemKey, "NoPwdPage", kRestrict),
    Box("ChckDenyUserProfiles", kSystemKey, "NoProfilePage", kRestrict),
    // The user's own value, then the machine-wide one, which the window never reads.
    Row{"TxtName", Kind::kText, KeyLabel::kSetupUserInfo, "DefName", Storage::kForcedText},
    Row{"TxtName", Kind::kText, KeyLabel::kWindowsVersion, "RegisteredOwner", Storage::kForcedText},
    Row{"TxtCompany", Kind::kText, KeyLabel::kSetupUserInfo, "DefCompany", Storage::kForcedText},
    Row{"TxtCompany", Kind::kText, KeyLabel::kWindowsVersion, "RegisteredOrganization",
        Storage::kForcedText},
    // Forced text, so that an address made only of digits stays the text the history holds.
    Row{.control = "List1",
        .kind = Kind::kTypedUrls,
        .key = KeyLabel::kTypedUrl,
        .value = "url",
        .storage = Storage::kForcedText,
        .numbered = true},
    Choice(kPrompt),
    Choice(kLogOffAtOnce),
    Choice(kNeverLogOff),
    Own(KeyLabel::kProgram, "FirstTime", Storage::kPlainText),
    Own(KeyLabel::kNetworkLogon, "UserProfiles", Storage::kNumber),
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

// Where a row's value lives; not for a numbered row, whose names carry a number.
constexpr Location LocationOf(const Row& row) {
  return {KeyOf(row.key).root, KeyOf(row.key).path, row.value};
}

// The value of the same name under the same path of HKEY_LOCAL_MACHINE, for a row of a policy
// key; only ever read.
constexpr std::optional<Location> TwinOf(const Row& row) {
  if (!KeyOf(row.key).machine_twin) return std::nullopt;
  return Location{kLocalMachine, KeyOf(row.key).path, row.value};
}

// The value name of a row; `number` picks "url1", "url2", ... of a numbered row.
std::string ValueName(const Row& row, std::int32_t number = 0);

// The helpers of Module1 on a row, with what they report: `outcome`, when given, tells whether
// the read found a value, nothing, or something it could not read.
RegValue Read(Module1& m, const Row& row, std::int32_t number = 0, ReadOutcome* outcome = nullptr);
// The twin's value where it holds a number or a text; nothing where it holds anything else, or
// where the row has no twin.
std::optional<RegValue> ReadTwin(Module1& m, const Row& row);
// Sets SaveAsText first when the row is stored as forced text; true when the value was stored.
bool Write(Module1& m, const Row& row, const RegValue& value, std::int32_t number = 0);
// True when the value is gone afterwards.
bool Delete(Module1& m, const Row& row, std::int32_t number = 0);

// The box state a stored value gives under the row's rule.
int StateOf(Rule rule, const RegValue& stored);
// The text "1" or "0" a box state writes under the row's rule.
std::string ValueOf(Rule rule, int state);

}  // namespace quillmar
