#include <vector>

#include "tweak/Form4.h"
#include "tweak/Setting.h"

namespace quillmar {
namespace {

// The log-off choice on the Help page: options that share one value, each standing for its text.
class LogOffChoiceSetting final : public Setting {
 public:
  LogOffChoiceSetting(Form4& form, Module1& m, std::span<const Row> rows) : Setting(m, rows) {
    for (const Row& row : rows) options_.push_back(&form.Get<ui::OptionButton>(row.control));
  }

  // Read once; a text that is none of the choices leaves the layout's choice in place.
  void Load() override {
    const RegValue stored = Read(m_, rows_.front());
    for (std::size_t i = 0; i < rows_.size(); ++i) {
      if (stored != TextOf(rows_[i])) continue;
      options_[i]->Select();
      return;
    }
  }

  void Apply() override {
    for (std::size_t i = 0; i < rows_.size(); ++i)
      if (options_[i]->value()) Write(m_, rows_[i], TextOf(rows_[i]));
  }

  // Named by the option the load selected, as the window shows the choice.
  InForce StateInForce() const override {
    InForce now = Setting::StateInForce();
    for (std::size_t i = 0; i < rows_.size(); ++i)
      if (options_[i]->value()) now.control = rows_[i].control;
    return now;
  }

 private:
  std::string WhatApplyWrites(const Row& row) const override {
    return Quoted(row.text) + " when selected";
  }

  std::vector<ui::OptionButton*> options_;
};

}  // namespace

std::unique_ptr<Setting> MakeLogOffChoiceSetting(Form4& form, Module1& m,
                                                 std::span<const Row> rows) {
  return std::make_unique<LogOffChoiceSetting>(form, m, rows);
}

}  // namespace quillmar
