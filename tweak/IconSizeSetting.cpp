#include <charconv>
#include <cmath>
#include <cstdint>

#include "tweak/Form4.h"
#include "tweak/Setting.h"

namespace quillmar {
namespace {

// A whole number, or a decimal fraction taken to the nearest whole number (halves to even).
bool ParseSize(const std::string& text, std::int32_t& out) {
  if (ParseInt32(text, out)) return true;
  const std::string_view number = TrimBlanks(text);
  double value = 0;
  const char* end = number.data() + number.size();
  const auto [stop, error] = std::from_chars(number.data(), end, value, std::chars_format::fixed);
  if (number.empty() || error != std::errc{} || stop != end || !(std::fabs(value) < 2147483647.0))
    return false;
  out = static_cast<std::int32_t>(std::nearbyint(value));
  return true;
}

// The desktop icon size: its text box, which Apply writes as it stands, and the slider that the
// load sets from it.
class IconSizeSetting final : public Setting {
 public:
  IconSizeSetting(Form4& form, Module1& m, std::span<const Row> rows)
      : Setting(m, rows),
        box_(form.Get<ui::TextBox>(rows.front().control)),
        slider_(form.Slider1) {}

  // The slider refuses what is not a number from 0 to 100 and then keeps its place.
  void Load() override {
    const RegValue stored = Read(m_, rows_.front());
    box_.SetText(IsEmptyText(stored) ? "32" : AsText(stored));
    std::int32_t size = 0;
    if (ParseSize(box_.text(), size)) slider_.SetValue(size);
  }

  void Apply() override { Write(m_, rows_.front(), box_.text()); }

  // The slider only moves the size in the box.
  std::string Tip(std::string_view control) const override {
    return Setting::Tip(control == slider_.name() ? box_.name() : control);
  }

 private:
  std::string WhatApplyWrites(const Row&) const override { return "the size in the box, as text"; }

  ui::TextBox& box_;
  ui::Slider& slider_;
};

}  // namespace

std::unique_ptr<Setting> MakeIconSizeSetting(Form4& form, Module1& m, std::span<const Row> rows) {
  return std::make_unique<IconSizeSetting>(form, m, rows);
}

}  // namespace quillmar
