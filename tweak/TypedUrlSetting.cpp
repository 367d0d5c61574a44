#include <algorithm>
#include <cstdint>
#include <limits>

#include "tweak/Form4.h"
#include "tweak/Setting.h"

namespace quillmar {
namespace {

// The typed URL history: one value per item of the list, url1 for its first.
class TypedUrlSetting final : public Setting {
 public:
  TypedUrlSetting(Form4& form, Module1& m, std::span<const Row> rows)
      : Setting(m, rows), list_(form.Get<ui::ListBox>(rows.front().control)) {}

  // The history ends at the first number that reads as the empty text, whatever it holds; only a
  // read the registry refused leaves unknown where the history ends.
  void Load() override {
    ReadOutcome outcome = ReadOutcome::kValue;
    for (std::int32_t i = 1; i < std::numeric_limits<std::int32_t>::max(); ++i) {
      RegValue url = Read(m_, rows_.front(), i, &outcome);
      if (IsEmptyText(url)) break;
      list_.AddItem(AsText(std::move(url)));
    }
    m_.TypedUrlCount = list_.ListCount();
    m_.TypedUrlEndUnknown = outcome == ReadOutcome::kRefused;
  }

  // The list is a subsequence of the values loaded, so at the first refused write every item not
  // yet written still sits in its old slot from there on: stop, and keep the old count so that
  // the next Apply cleans up. A refused delete stops the deletes and keeps the old count, so the
  // next Apply retries them. Past a history whose end is unknown, a delete would leave a gap.
  void Apply() override {
    const Row& row = rows_.front();
    const std::int32_t old_count = m_.TypedUrlCount;
    const std::int32_t count = list_.ListCount();
    for (std::int32_t i = 1; i <= count; ++i) {
      if (!Write(m_, row, list_.List(i - 1), i)) {
        m_.TypedUrlCount = std::max(old_count, count);
        return;
      }
    }
    for (std::int32_t i = count + 1; !m_.TypedUrlEndUnknown && i <= old_count; ++i)
      if (!Delete(m_, row, i)) return;
    m_.TypedUrlCount = count;
  }

  // The history's values carry numbers, so what is stored is told by how many the load found.
  InForce StateInForce() const override {
    return {.control = rows_.front().control, .stored = m_.TypedUrlCount};
  }

 private:
  std::string WhatApplyWrites(const Row&) const override {
    if (m_.TypedUrlEndUnknown)
      return "one address each, in the list's order; as the history could not be read to its "
             "end, none is deleted";
    return "one address each, in the list's order; addresses deleted from the list are deleted";
  }

  ui::ListBox& list_;
};

}  // namespace

std::unique_ptr<Setting> MakeTypedUrlSetting(Form4& form, Module1& m, std::span<const Row> rows) {
  return std::make_unique<TypedUrlSetting>(form, m, rows);
}

}  // namespace quillmar
