#include "tweak/Form4.h"
#include "tweak/Setting.h"

namespace quillmar {
namespace {

// "Automatically view thumbnails of bitmap files": the bitmap type and its icon, switched to the
// thumbnail handler; the type in force before is kept in the program's own value, so that
// switching the thumbnails off restores it.
class ThumbnailSetting final : public Setting {
 public:
  ThumbnailSetting(Form4& form, Module1& m, std::span<const Row> rows)
      : Setting(m, rows),
        type_(RowAt(rows, 0)),
        icon_(RowAt(rows, 1)),
        kept_(RowAt(rows, 2)),
        box_(form.Get<ui::CheckBox>(type_.control)) {}

  void Load() override {
    const RegValue type = Read(m_, type_);
    const RegValue icon = Read(m_, icon_);
    box_.SetValue(type == TextOf(type_) && icon == TextOf(icon_) ? 1 : 0);
  }

  void Apply() override {
    if (box_.value() == 1) {
      SwitchOn();
      return;
    }
    // Only the type the thumbnails wrote is replaced; any other belongs to whoever set it.
    const RegValue kept = Read(m_, kept_);
    if (!IsEmptyText(kept) && Read(m_, type_) == TextOf(type_)) Write(m_, type_, kept);
  }

 private:
  // The type in force is kept first, and replaced only once it was read (or found missing) and
  // kept: a type that could not be kept is never lost.
  void SwitchOn() {
    ReadOutcome outcome = ReadOutcome::kUnreadable;
    const RegValue before = Read(m_, type_, 0, &outcome);
    if (outcome == ReadOutcome::kUnreadable || outcome == ReadOutcome::kRefused) return;
    if (before != TextOf(type_) && !Write(m_, kept_, before)) return;
    Write(m_, type_, TextOf(type_));
    Write(m_, icon_, TextOf(icon_));
  }

  std::string WhatApplyWrites(const Row& row) const override {
    if (&row == &type_)
      return Quoted(row.text) + " when checked; when unchecked and still " + Quoted(row.text) +
             ", the type saved in " + std::string(kept_.value);
    if (&row == &icon_) return Quoted(row.text) + " when checked";
    return "the type in force before, saved when checked";
  }

  const Row& type_;
  const Row& icon_;
  const Row& kept_;
  ui::CheckBox& box_;
};

}  // namespace

std::unique_ptr<Setting> MakeThumbnailSetting(Form4& form, Module1& m, std::span<const Row> rows) {
  return std::make_unique<ThumbnailSetting>(form, m, rows);
}

}  // namespace quillmar
