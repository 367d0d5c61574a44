#include "tweak/Form4.h"
#include "tweak/Setting.h"

namespace quillmar {
namespace {

// "Disable the Active Desktop feature.": a box under its rule whose feature, switched off, takes
// its Start menu item away too, whatever that item's own box says.
class ActiveDesktopSetting final : public Setting {
 public:
  ActiveDesktopSetting(Form4& form, Module1& m, std::span<const Row> rows)
      : Setting(m, rows),
        feature_(RowAt(rows, 0)),
        item_(RowAt(rows, 1)),
        box_(form.Get<ui::CheckBox>(feature_.control)),
        item_box_(form.ChckActiveDesktop) {}

  // The item's value belongs to the item's own box, which the load sets from it.
  void Load() override { box_.SetValue(StateOf(feature_.rule, Read(m_, feature_))); }

  // The item's own setting comes earlier in the table and has written the item's value by now;
  // so the item goes after the feature, and it is this 1 that stays.
  void Apply() override {
    Write(m_, feature_, ValueOf(feature_.rule, box_.value()));
    if (box_.value() != 1) return;
    Write(m_, item_, TextOf(item_));
    item_box_.SetValue(0);
  }

  InForce StateInForce() const override { return BoxInForce(m_, feature_); }

 private:
  std::string WhatApplyWrites(const Row& row) const override {
    if (&row == &feature_) return "1 when checked, 0 otherwise";
    return std::string(row.text) + " when checked, whatever its Start menu item says";
  }

  const Row& feature_;
  const Row& item_;
  ui::CheckBox& box_;
  ui::CheckBox& item_box_;
};

}  // namespace

std::unique_ptr<Setting> MakeActiveDesktopSetting(Form4& form, Module1& m,
                                                  std::span<const Row> rows) {
  return std::make_unique<ActiveDesktopSetting>(form, m, rows);
}

}  // namespace quillmar
