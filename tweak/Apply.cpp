#include <algorithm>
#include <cstdint>

#include "tweak/Catalogue.h"
#include "tweak/Form4.h"

namespace quillmar {
namespace {

void WriteChecks(const Form4& form, Module1& m, std::span<const Row> rows) {
  for (const Row& row : rows) {
    if (row.rule == Rule::kNone) continue;
    if (const auto* box = ControlOf<ui::CheckBox>(form, row))
      Write(m, row, ValueOf(row.rule, box->value()));
  }
}

// The recent documents are also cleared at logoff exactly when their history is switched off.
void WriteClearRecentDocsOnExit(const Form4& form, Module1& m) {
  const Rule rule = RowOf("ChckRecentDocuments", "NoRecentDocsHistory").rule;
  Write(m, RowOf("ChckRecentDocuments", "ClearRecentDocsOnExit"),
        ValueOf(rule, form.ChckRecentDocuments.value()));
}

// Without the Active Desktop feature its Start menu item goes too, whatever its box said.
void OverrideActiveDesktop(Form4& form, Module1& m) {
  if (form.ChckADFeature.value() != 1) return;
  const Row& row = RowOf("ChckADFeature", "NoSetActiveDesktop");
  Write(m, row, TextOf(row));
  form.ChckActiveDesktop.SetValue(0);
}

void ApplyIconSize(const Form4& form, Module1& m) {
  Write(m, RowOf("Txtpix", "Shell Icon Size"), form.Txtpix.text());
}

// Write and Delete, telling whether the registry took them.
bool Stored(Module1& m, const Row& row, const RegValue& value, std::int32_t number = 0) {
  const KeyPath& key = KeyOf(row.key);
  if (row.storage == Storage::kForcedText) m.SaveAsText = true;
  return m.SaveValue(key.root, std::string(key.path), ValueName(row, number), value);
}

bool Deleted(Module1& m, const Row& row, std::int32_t number) {
  const KeyPath& key = KeyOf(row.key);
  return m.DeleteValue(key.root, std::string(key.path), ValueName(row, number));
}

// The file type that thumbnails replace is kept in `bmp`, so that switching them off restores it;
// it is replaced only once it was read (or found missing) and kept.
void ApplyThumbnails(const Form4& form, Module1& m) {
  const Row& type = RowOf(KeyLabel::kBitmapType, "");
  const Row& icon = RowOf(KeyLabel::kBitmapIcon, "");
  const Row& saved = RowOf(KeyLabel::kProgram, "bmp");
  if (form.ChckThumbnails.value() == 1) {
    ReadOutcome outcome = ReadOutcome::kUnreadable;
    const KeyPath& key = KeyOf(type.key);
    const RegValue before =
        m.QueryValue(key.root, std::string(key.path), ValueName(type), &outcome);
    if (outcome == ReadOutcome::kUnreadable) return;
    if (before != TextOf(type) && !Stored(m, saved, before)) return;
    Write(m, type, TextOf(type));
    Write(m, icon, TextOf(icon));
    return;
  }
  const RegValue restore = Read(m, saved);
  if (!IsEmptyText(restore)) Write(m, type, restore);
}

bool IsBlank(const std::string& text) {
  return text.find_first_not_of(' ') == std::string::npos;
}

// The boxes load from the user's values only, so an empty box never replaces a machine-wide
// owner or organisation that the user was not shown.
void ApplyNameAndCompany(const Form4& form, Module1& m) {
  for (const Row& row : Rows("TxtName", "TxtCompany")) {
    const auto* box = ControlOf<ui::TextBox>(form, row);
    if (box == nullptr) continue;
    if (KeyOf(row.key).root == kLocalMachine && IsBlank(box->text())) continue;
    Write(m, row, box->text());
  }
}

// The list is a subsequence of the values loaded, so at the first refused write every item not
// yet written still sits in its old slot from there on: stop, and keep the old count so that the
// next Apply cleans up. A refused delete stops the deletes and keeps the old count, so the next
// Apply retries them.
void ApplyTypedUrls(const Form4& form, Module1& m) {
  const Row& row = RowOf("List1", "url");
  const std::int32_t old_count = m.TypedUrlCount;
  const std::int32_t count = form.List1.ListCount();
  for (std::int32_t i = 1; i <= count; ++i) {
    if (!Stored(m, row, form.List1.List(i - 1), i)) {
      m.TypedUrlCount = std::max(old_count, count);
      return;
    }
  }
  for (std::int32_t i = count + 1; i <= old_count; ++i)
    if (!Deleted(m, row, i)) return;
  m.TypedUrlCount = count;
}

void WriteLogOffChoice(const Form4& form, Module1& m) {
  for (const Row& row : kLogOffChoices) {
    const auto* option = ControlOf<ui::OptionButton>(form, row);
    if (option != nullptr && option->value()) Write(m, row, TextOf(row));
  }
}

}  // namespace

void Form4::BtnApply_Click() {
  Module1& m = module();
  WriteChecks(*this, m, Rows("ChckFavorites", "ChckRecentDocuments"));
  WriteClearRecentDocsOnExit(*this, m);
  WriteChecks(*this, m, Rows("ChckControlPanel", "ChckWindowsUpdate"));
  WriteChecks(*this, m, Rows("ChckHide", "ChckADFeature"));
  OverrideActiveDesktop(*this, m);
  WriteChecks(*this, m, Rows("ChckDontSave", "ChckDontSave"));
  ApplyIconSize(*this, m);
  WriteChecks(*this, m, Rows("ChckDisableRegistry", "ChckDisableCancelButton"));
  ApplyThumbnails(*this, m);
  WriteChecks(*this, m, Rows("ChckDisplayChanges", "ChckDenyUserProfiles"));
  ApplyNameAndCompany(*this, m);
  ApplyTypedUrls(*this, m);
  WriteLogOffChoice(*this, m);

  // Decided on the value read back once, before the prompt may change it.
  const RegValue choice = Read(m, kLogOffChoices.front());
  const bool log_off = choice == TextOf(RowOf("OptDontPromptAndLogOff1", "LogOffBox"));
  const bool quiet = choice == TextOf(RowOf("OptDontPromptAndDontLogOff1", "LogOffBox"));
  if (!log_off && !quiet) {
    if (ui::Window* prompt = forms().Load("Form5")) forms().Show(*prompt, true);
  }
  if (log_off) host().LogOff();
}

}  // namespace quillmar
