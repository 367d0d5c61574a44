#include "tweak/Form4.h"
#include "tweak/Setting.h"

namespace quillmar {
namespace {

// A check box under its rule. The load reads the box's first value; Apply writes the number the
// rule gives to every value of the box.
class BoxSetting final : public Setting {
 public:
  BoxSetting(Form4& form, Module1& m, std::span<const Row> rows)
      : Setting(m, rows), box_(form.Get<ui::CheckBox>(rows.front().control)) {}

  void Load() override {
    const Row& own = rows_.front();
    box_.SetValue(StateOf(own.rule, Read(m_, own)));
  }

  void Apply() override {
    for (const Row& row : rows_) Write(m_, row, ValueOf(row.rule, box_.value()));
  }

  InForce StateInForce() const override { return BoxInForce(m_, rows_.front()); }

 private:
  std::string WhatApplyWrites(const Row& row) const override {
    return row.rule == Rule::kShowItem ? "1 when unchecked, 0 otherwise"
                                       : "1 when checked, 0 otherwise";
  }

  ui::CheckBox& box_;
};

}  // namespace

InForce BoxInForce(Module1& m, const Row& row) {
  const std::optional<RegValue> stored = ReadIfSet(m, row);
  const std::optional<RegValue> machine = ReadTwin(m, row);
  const bool checked = StateOf(row.rule, machine.value_or(stored.value_or(""))) == 1;
  const bool item = row.rule == Rule::kShowItem;
  return {.control = row.control,
          .stored = stored,
          .machine = machine,
          .state = item ? (checked ? "shown" : "hidden") : (checked ? "on" : "off")};
}

std::unique_ptr<Setting> MakeBoxSetting(Form4& form, Module1& m, std::span<const Row> rows) {
  return std::make_unique<BoxSetting>(form, m, rows);
}

}  // namespace quillmar
