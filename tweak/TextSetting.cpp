#include "tweak/Form4.h"
#include "tweak/Setting.h"

namespace quillmar {
namespace {

// The default name or company: the user's own value, which the load reads, and a machine-wide
// copy that Apply also writes.
class TextSetting final : public Setting {
 public:
  TextSetting(Form4& form, Module1& m, std::span<const Row> rows)
      : Setting(m, rows), box_(form.Get<ui::TextBox>(rows.front().control)) {}

  void Load() override { box_.SetText(AsText(Read(m_, rows_.front()))); }

  void Apply() override {
    for (const Row& row : rows_)
      if (!SkipsBlank(row) || !TrimBlanks(box_.text()).empty()) Write(m_, row, box_.text());
  }

 private:
  // The box loads from the user's value only, so an empty box never replaces a machine-wide
  // owner or organisation that the user was not shown.
  static bool SkipsBlank(const Row& row) { return KeyOf(row.key).root == kLocalMachine; }

  std::string WhatApplyWrites(const Row& row) const override {
    return SkipsBlank(row) ? "the text in the box, unless it is blank" : "the text in the box";
  }

  ui::TextBox& box_;
};

}  // namespace

std::unique_ptr<Setting> MakeTextSetting(Form4& form, Module1& m, std::span<const Row> rows) {
  return std::make_unique<TextSetting>(form, m, rows);
}

}  // namespace quillmar
