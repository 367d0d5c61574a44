#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "tweak/Catalogue.h"
#include "tweak/Form4.h"

namespace quillmar {
namespace {

// What one step of the load has read, by row.
class StepReads {
 public:
  void Add(const Row& row, RegValue value) { reads_.emplace_back(&row, std::move(value)); }
  const std::vector<std::pair<const Row*, RegValue>>& all() const { return reads_; }
  const RegValue& Of(KeyLabel key) const {
    for (const auto& [row, value] : reads_)
      if (row->key == key) return value;
    return missing_;
  }

 private:
  std::vector<std::pair<const Row*, RegValue>> reads_;
  RegValue missing_ = std::string();
};

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

// The slider refuses what is not a number from 0 to 100 and then keeps its place.
void LoadIconSize(Form4& form, const RegValue& stored) {
  form.Txtpix.SetText(IsEmptyText(stored) ? "32" : AsText(stored));
  std::int32_t size = 0;
  if (ParseSize(form.Txtpix.text(), size)) form.Slider1.SetValue(size);
}

void LoadThumbnails(Form4& form, const StepReads& reads) {
  const bool on = reads.Of(KeyLabel::kBitmapType) == TextOf(RowOf(KeyLabel::kBitmapType, "")) &&
                  reads.Of(KeyLabel::kBitmapIcon) == TextOf(RowOf(KeyLabel::kBitmapIcon, ""));
  form.ChckThumbnails.SetValue(on ? 1 : 0);
}

// The history ends at the first number that reads as the empty text; a refused read ends the list
// but leaves the history's end unknown.
void LoadTypedUrls(Form4& form, Module1& m, const Row& row) {
  ReadOutcome outcome = ReadOutcome::kValue;
  for (std::int32_t i = 1; i < std::numeric_limits<std::int32_t>::max(); ++i) {
    RegValue url = Read(m, row, i, &outcome);
    if (IsEmptyText(url)) break;
    auto* text = std::get_if<std::string>(&url);
    form.List1.AddItem(text != nullptr ? std::move(*text) : AsText(url));
  }
  m.TypedUrlCount = form.List1.ListCount();
  m.TypedUrlEndUnknown = outcome == ReadOutcome::kRefused;
}

// A text that is none of the choices leaves the layout's choice in place.
void LoadLogOffChoice(const Form4& form, const RegValue& stored) {
  for (const Row& row : kCatalogue) {
    if (row.routine != Routine::kLogOffChoice || stored != TextOf(row)) continue;
    if (auto* option = ControlOf<ui::OptionButton>(form, row)) option->Select();
    return;
  }
}

void Show(Form4& form, Module1& m, const Row& row, const RegValue& value, const StepReads& reads) {
  switch (row.routine) {
    case Routine::kBox:
      if (auto* box = ControlOf<ui::CheckBox>(form, row)) box->SetValue(StateOf(row.rule, value));
      break;
    case Routine::kIconSize:
      LoadIconSize(form, value);
      break;
    case Routine::kBitmapIcon:
      LoadThumbnails(form, reads);
      break;
    case Routine::kText:
      if (auto* box = ControlOf<ui::TextBox>(form, row)) box->SetText(AsText(value));
      break;
    case Routine::kTypedUrls:
      LoadTypedUrls(form, m, row);
      break;
    case Routine::kLogOffChoice:
      LoadLogOffChoice(form, value);
      break;
    case Routine::kActiveDesktopOverride:
    case Routine::kBitmapType:
    case Routine::kSavedBitmapType:
    case Routine::kElsewhere:
      break;
  }
}

}  // namespace

void Form4::Form_Load() {
  Module1& m = module_;
  m.OsPlatform = static_cast<std::int16_t>(host().PlatformId());
  if (!IsNt()) {
    for (ui::CheckBox* box : {&ChckHelp, &ChckMyDocuments}) {
      box->SetValue(2);
      box->SetEnabled(false);
    }
  }

  // Each step reads all of its rows before it sets any control: a control's rule may set
  // others, and must see them as the step leaves them.
  for (std::size_t first = 0; first < kCatalogue.size();) {
    const int step = kCatalogue[first].load_step;
    StepReads reads;
    std::size_t end = first;
    for (; end < kCatalogue.size() &&
           (kCatalogue[end].load_step == step || kCatalogue[end].load_step == 0);
         ++end) {
      const Row& row = kCatalogue[end];
      if (step == 0 || row.load_step == 0) continue;
      // The typed URLs are read one by one until the history ends.
      reads.Add(row, row.routine == Routine::kTypedUrls ? RegValue() : Read(m, row));
    }
    for (const auto& [row, value] : reads.all()) Show(*this, m, *row, value, reads);
    first = end;
  }
}

}  // namespace quillmar
