#include "tweak/SettingTips.h"

#include <cstdint>

#include "tweak/Catalogue.h"
#include "tweak/Form4.h"

namespace quillmar {
namespace {

std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted.append(text).push_back('"');
  return quoted;
}

// The registry type a row's fixed text is stored as; SaveValue stores a number as REG_DWORD.
std::string TypeOf(const Row& row) {
  std::int32_t number = 0;
  if (row.storage == Storage::kNumber) return " (REG_DWORD)";
  if (row.storage == Storage::kPlainText && ParseInt32(std::string(row.text), number)) return "";
  return row.storage == Storage::kPlainText && row.text.empty() ? "" : " (REG_SZ)";
}

std::string WhatApplyWrites(const Row& row) {
  switch (row.routine) {
    case Routine::kBox:
      return row.rule == Rule::kShowItem ? "1 when unchecked, 0 otherwise"
                                         : "1 when checked, 0 otherwise";
    case Routine::kActiveDesktopOverride:
      return std::string(row.text) + " when checked, whatever its Start menu item says";
    case Routine::kIconSize:
      return "the size in the box, as text";
    case Routine::kBitmapType:
      return Quoted(row.text) + " when checked; when unchecked and still " + Quoted(row.text) +
             ", the type saved in bmp";
    case Routine::kBitmapIcon:
      return Quoted(row.text) + " when checked";
    case Routine::kSavedBitmapType:
      return "the type in force before, saved when checked";
    case Routine::kText:
      return KeyOf(row.key).root == kLocalMachine ? "the text in the box, unless it is blank"
                                                  : "the text in the box";
    case Routine::kTypedUrls:
      return "one address each, in the list's order; those after the last are deleted";
    case Routine::kLogOffChoice:
      return Quoted(row.text) + " when selected";
    case Routine::kElsewhere:
      break;
  }
  return {};
}

std::string ValueLabel(const Row& row) {
  if (row.value.empty()) return "(Default)";
  if (row.routine == Routine::kTypedUrls)
    return ValueName(row, 1) + ", " + ValueName(row, 2) + ", ...";
  return std::string(row.value);
}

}  // namespace

std::string SettingTip(std::string_view control) {
  // The slider only moves the size in its box.
  if (control == "Slider1") control = "Txtpix";
  std::string tip;
  const KeyPath* heading = nullptr;
  for (const Row& row : kCatalogue) {
    if (control.empty() || row.control != control || row.routine == Routine::kElsewhere) continue;
    const KeyPath& key = KeyOf(row.key);
    if (&key != heading) {
      if (!tip.empty()) tip.append("\n");
      tip.append(RootName(key.root)).append("\\").append(key.path);
      if (key.root == kLocalMachine) tip += " (needs an administrator)";
      heading = &key;
    }
    tip.append("\n").append(ValueLabel(row)).append(TypeOf(row)).append(": ");
    tip.append(WhatApplyWrites(row));
  }
  return tip;
}

std::string Form4::ToolTip(const ui::Control& control) const {
  return SettingTip(control.name());
}

}  // namespace quillmar
