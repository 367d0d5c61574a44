#include <stdexcept>

#include "tweak/Form4.h"
#include "tweak/Setting.h"

namespace quillmar {
namespace {

// Rows belong to one setting while they share a kind and a control, or a kind and a value.
bool SameSetting(const Row& a, const Row& b) {
  return a.kind == b.kind && (a.control == b.control || (a.key == b.key && a.value == b.value));
}

std::unique_ptr<Setting> Make(Form4& form, Module1& m, std::span<const Row> rows) {
  switch (rows.front().kind) {
    case Kind::kBox:
      return MakeBoxSetting(form, m, rows);
    case Kind::kActiveDesktopFeature:
      return MakeActiveDesktopSetting(form, m, rows);
    case Kind::kIconSize:
      return MakeIconSizeSetting(form, m, rows);
    case Kind::kThumbnails:
      return MakeThumbnailSetting(form, m, rows);
    case Kind::kText:
      return MakeTextSetting(form, m, rows);
    case Kind::kTypedUrls:
      return MakeTypedUrlSetting(form, m, rows);
    case Kind::kLogOffChoice:
      return MakeLogOffChoiceSetting(form, m, rows);
    case Kind::kNone:
      break;
  }
  return nullptr;
}

// The registry type a row is stored as, as a registry editor names it; SaveValue stores a plain
// text that reads as a number as REG_DWORD, so a row of changing plain texts names none.
std::string TypeOf(const Row& row) {
  if (row.storage == Storage::kNumber) return " (REG_DWORD)";
  if (row.storage == Storage::kForcedText) return " (REG_SZ)";
  if (row.text.empty() || AsNumber(std::string(row.text))) return "";
  return " (REG_SZ)";
}

std::string ValueLabel(const Row& row) {
  if (row.numbered) return ValueName(row, 1) + ", " + ValueName(row, 2) + ", ...";
  return row.value.empty() ? "(Default)" : std::string(row.value);
}

}  // namespace

const Row& RowAt(std::span<const Row> rows, std::size_t index) {
  if (index >= rows.size())
    throw std::logic_error(std::string(rows.front().control) + " has too few rows");
  return rows[index];
}

std::string Quoted(std::string_view text) {
  return std::string(1, '"').append(text).append(1, '"');
}

std::string Shown(const std::optional<RegValue>& value) {
  std::string shown;
  AppendShown(shown, value);
  return shown;
}

void AppendShown(std::string& out, const std::optional<RegValue>& value) {
  if (!value)
    out.append("not set");
  else if (const auto* text = std::get_if<std::string>(&*value))
    out.append(1, '"').append(*text).append(1, '"');
  else
    out.append(std::to_string(std::get<std::int32_t>(*value)));
}

std::optional<RegValue> ReadIfSet(Module1& m, const Row& row) {
  return QueryValueIfSet(m, LocationOf(row));
}

std::vector<std::unique_ptr<Setting>> MakeSettings(Form4& form, Module1& m,
                                                   std::span<const Row> rows) {
  std::vector<std::unique_ptr<Setting>> settings;
  for (std::size_t first = 0, end = 0; first < rows.size(); first = end) {
    for (end = first + 1; end < rows.size() && SameSetting(rows[first], rows[end]);) ++end;
    if (auto setting = Make(form, m, rows.subspan(first, end - first)))
      settings.push_back(std::move(setting));
  }
  return settings;
}

std::string Setting::Tip(std::string_view control) const {
  std::string tip;
  const KeyPath* heading = nullptr;
  for (const Row& row : rows_) {
    if (row.control != control) continue;
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

InForce Setting::StateInForce() const {
  return {.control = rows_.front().control, .stored = ReadIfSet(m_, rows_.front())};
}

std::string Setting::OverrideTip(const ui::Control& control) const {
  const auto twin = TwinOf(rows_.front());
  if (!twin || control.name() != rows_.front().control) return {};
  const InForce now = StateInForce();
  if (!now.machine || !now.state) return {};
  return "In force for every user of this computer: " + Shown(now.machine) + ", so " +
         Quoted(TrimBlanks(control.caption())) + " is " + *now.state + ".\n" + FullName(*twin) +
         "\nThis box cannot change it until an administrator removes that value.\n\n";
}

}  // namespace quillmar
