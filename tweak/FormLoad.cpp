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

using Reads = std::vector<std::pair<const Row*, RegValue>>;

// Each step reads all of its rule rows before it sets any box.
Reads ReadChecks(Module1& m, std::span<const Row> rows) {
  Reads reads;
  for (const Row& row : rows)
    if (row.rule != Rule::kNone) reads.emplace_back(&row, Read(m, row));
  return reads;
}

void SetChecks(const Form4& form, const Reads& reads) {
  for (const auto& [row, stored] : reads)
    if (auto* box = ControlOf<ui::CheckBox>(form, *row)) box->SetValue(StateOf(row->rule, stored));
}

// A whole number, or a decimal fraction taken to the nearest whole number (halves to even).
bool ParseSize(const std::string& text, std::int32_t& out) {
  if (ParseInt32(text, out)) return true;
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return false;
  const std::size_t last = text.find_last_not_of(' ') + 1;
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data() + first, text.data() + last, value, std::chars_format::fixed);
  if (error != std::errc{} || end != text.data() + last || !(std::fabs(value) < 2147483647.0))
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

void LoadThumbnails(Form4& form, const RegValue& type, const RegValue& icon) {
  const bool on = type == TextOf(RowOf(KeyLabel::kBitmapType, "")) &&
                  icon == TextOf(RowOf(KeyLabel::kBitmapIcon, ""));
  form.ChckThumbnails.SetValue(on ? 1 : 0);
}

void LoadNameAndCompany(Form4& form, Module1& m) {
  const RegValue name = Read(m, RowOf("TxtName", "DefName"));
  const RegValue company = Read(m, RowOf("TxtCompany", "DefCompany"));
  form.TxtName.SetText(AsText(name));
  form.TxtCompany.SetText(AsText(company));
}

// The history ends at the first number that reads as the empty text.
void LoadTypedUrls(Form4& form, Module1& m) {
  const Row& row = RowOf("List1", "url");
  for (std::int32_t i = 1; i < std::numeric_limits<std::int32_t>::max(); ++i) {
    const RegValue url = Read(m, row, i);
    if (IsEmptyText(url)) break;
    form.List1.AddItem(AsText(url));
  }
  m.TypedUrlCount = form.List1.ListCount();
}

// A text that is none of the choices leaves the layout's choice in place.
void LoadLogOffChoice(const Form4& form, Module1& m) {
  const RegValue stored = Read(m, kLogOffChoices.front());
  for (const Row& row : kLogOffChoices) {
    if (stored != TextOf(row)) continue;
    if (auto* option = ControlOf<ui::OptionButton>(form, row)) option->Select();
    return;
  }
}

}  // namespace

void Form4::Form_Load() {
  Module1& m = module();
  m.OsPlatform = static_cast<std::int16_t>(host().PlatformId());
  if (!IsNt()) {
    for (ui::CheckBox* box : {&ChckHelp, &ChckMyDocuments}) {
      box->SetValue(2);
      box->SetEnabled(false);
    }
  }

  SetChecks(*this, ReadChecks(m, Rows("ChckFavorites", "ChckClose")));
  SetChecks(*this, ReadChecks(m, Rows("ChckMyDocuments", "ChckRecentDocuments")));
  SetChecks(*this, ReadChecks(m, Rows("ChckControlPanel", "ChckWindowsUpdate")));

  const Reads desktop = ReadChecks(m, Rows("ChckHide", "ChckDontSave"));
  const RegValue icon_size = Read(m, RowOf("Txtpix", "Shell Icon Size"));
  const Reads special = ReadChecks(m, Rows("ChckDisableRegistry", "ChckDisableCancelButton"));
  SetChecks(*this, desktop);
  LoadIconSize(*this, icon_size);
  SetChecks(*this, special);

  const RegValue type = Read(m, RowOf(KeyLabel::kBitmapType, ""));
  const RegValue icon = Read(m, RowOf(KeyLabel::kBitmapIcon, ""));
  const Reads control_panel = ReadChecks(m, Rows("ChckDisplayChanges", "ChckDenyUserProfiles"));
  LoadThumbnails(*this, type, icon);
  SetChecks(*this, control_panel);

  LoadNameAndCompany(*this, m);
  LoadTypedUrls(*this, m);
  LoadLogOffChoice(*this, m);
}

}  // namespace quillmar
