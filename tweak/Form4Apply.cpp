#include <algorithm>
#include <cstdint>

#include "tweak/Catalogue.h"
#include "tweak/Form4.h"

namespace quillmar {
namespace {

void ApplyBox(const Form4& form, Module1& m, const Row& row) {
  if (const auto* box = ControlOf<ui::CheckBox>(form, row))
    Write(m, row, ValueOf(row.rule, box->value()));
}

// Without the Active Desktop feature its Start menu item goes too, whatever its box said.
void OverrideActiveDesktop(Form4& form, Module1& m, const Row& row) {
  if (form.ChckADFeature.value() != 1) return;
  Write(m, row, TextOf(row));
  form.ChckActiveDesktop.SetValue(0);
}

void ApplyIconSize(const Form4& form, Module1& m, const Row& row) {
  Write(m, row, form.Txtpix.text());
}

// The file type that thumbnails replace is kept in `bmp`, so that switching them off restores it;
// it is replaced only once it was read (or found missing) and kept.
void ApplyThumbnails(const Form4& form, Module1& m) {
  const Row& type = RowOf(KeyLabel::kBitmapType, "");
  const Row& icon = RowOf(KeyLabel::kBitmapIcon, "");
  const Row& saved = RowOf(KeyLabel::kProgram, "bmp");
  if (form.ChckThumbnails.value() == 1) {
    ReadOutcome outcome = ReadOutcome::kUnreadable;
    const RegValue before = Read(m, type, 0, &outcome);
    if (outcome == ReadOutcome::kUnreadable || outcome == ReadOutcome::kRefused) return;
    if (before != TextOf(type) && !Write(m, saved, before)) return;
    Write(m, type, TextOf(type));
    Write(m, icon, TextOf(icon));
    return;
  }
  // Only the type the thumbnails wrote is replaced; any other belongs to whoever set it.
  const RegValue restore = Read(m, saved);
  if (!IsEmptyText(restore) && Read(m, type) == TextOf(type)) Write(m, type, restore);
}

// The boxes load from the user's values only, so an empty box never replaces a machine-wide
// owner or organisation that the user was not shown.
void ApplyText(const Form4& form, Module1& m, const Row& row) {
  const auto* box = ControlOf<ui::TextBox>(form, row);
  if (box == nullptr) return;
  if (KeyOf(row.key).root == kLocalMachine && TrimBlanks(box->text()).empty()) return;
  Write(m, row, box->text());
}

// The list is a subsequence of the values loaded, so at the first refused write every item not
// yet written still sits in its old slot from there on: stop, and keep the old count so that the
// next Apply cleans up. A refused delete stops the deletes and keeps the old count, so the next
// Apply retries them. Past a history whose end is unknown, a delete would leave a gap.
void ApplyTypedUrls(const Form4& form, Module1& m) {
  const Row& row = RowOf(KeyLabel::kTypedUrl, "url");
  const std::int32_t old_count = m.TypedUrlCount;
  const std::int32_t count = form.List1.ListCount();
  for (std::int32_t i = 1; i <= count; ++i) {
    if (!Write(m, row, form.List1.List(i - 1), i)) {
      m.TypedUrlCount = std::max(old_count, count);
      return;
    }
  }
  for (std::int32_t i = count + 1; !m.TypedUrlEndUnknown && i <= old_count; ++i)
    if (!Delete(m, row, i)) return;
  m.TypedUrlCount = count;
}

void ApplyLogOffChoice(const Form4& form, Module1& m, const Row& row) {
  const auto* option = ControlOf<ui::OptionButton>(form, row);
  if (option != nullptr && option->value()) Write(m, row, TextOf(row));
}

void Apply(Form4& form, Module1& m, const Row& row) {
  switch (row.routine) {
    case Routine::kBox:
      ApplyBox(form, m, row);
      break;
    case Routine::kActiveDesktopOverride:
      OverrideActiveDesktop(form, m, row);
      break;
    case Routine::kIconSize:
      ApplyIconSize(form, m, row);
      break;
    case Routine::kBitmapType:
      ApplyThumbnails(form, m);
      break;
    case Routine::kText:
      ApplyText(form, m, row);
      break;
    case Routine::kTypedUrls:
      ApplyTypedUrls(form, m);
      break;
    case Routine::kLogOffChoice:
      ApplyLogOffChoice(form, m, row);
      break;
    case Routine::kBitmapIcon:
    case Routine::kSavedBitmapType:
    case Routine::kElsewhere:
      break;
  }
}

}  // namespace

void Form4::ApplySettings() {
  for (const Row& row : kCatalogue) Apply(*this, module_, row);
}

void Form4::BtnApply_Click() {
  ApplySettings();

  // Decided on the value read back once, before the prompt may change it.
  const RegValue choice = Read(module_, RowOf(KeyLabel::kProgram, "LogOffBox"));
  const bool log_off = choice == RegValue(std::string(kLogOffAtOnce.text));
  const bool quiet = choice == RegValue(std::string(kNeverLogOff.text));
  if (!log_off && !quiet) {
    if (ui::Window* prompt = forms().Load("Form5")) forms().Show(*prompt, true);
  }
  if (log_off) host().LogOff();
}

}  // namespace quillmar
