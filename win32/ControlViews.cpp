#include "win32/ControlViews.h"

#include <iterator>

#include "win32/Geometry.h"
#include "win32/Text.h"

namespace quillmar::win32 {
namespace {

std::wstring WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
  return text;
}

}  // namespace

void LabelView::OnCommand(WORD code) {
  if (code == STN_CLICKED && spec().clickable) label_.Click();
}

bool LabelView::OnSetCursor() {
  if (!spec().clickable) return false;
  SetCursor(LoadCursorW(nullptr, IDC_HAND));
  return true;
}

RECT LabelView::PixelRect() const {
  RECT rect = ControlView::PixelRect();
  if (!spec().autosize || hwnd() == nullptr) return rect;
  HDC dc = GetDC(hwnd());
  if (dc == nullptr) return rect;
  HGDIOBJ old = SelectObject(dc, context().Font(spec().bold));
  const std::wstring text = Widen(label_.caption());
  RECT measured{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
            DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(hwnd(), dc);
  rect.right = rect.left + measured.right;
  rect.bottom = rect.top + measured.bottom;
  return rect;
}

void ButtonView::OnCommand(WORD code) {
  if (code == BN_CLICKED) button_.Click();
}

void CheckBoxView::AfterCreate() {
  // Themed boxes ignore the text colour; the boxes on the black panel need theirs.
  if (spec().fore != ui::kNoColour || spec().back != ui::kNoColour)
    context().dlls().SetWindowTheme(hwnd(), L"", L"");
}

void CheckBoxView::Sync() {
  ControlView::Sync();
  if (SendMessageW(hwnd(), BM_GETCHECK, 0, 0) != box_.value())
    SendMessageW(hwnd(), BM_SETCHECK, static_cast<WPARAM>(box_.value()), 0);
}

void CheckBoxView::OnCommand(WORD code) {
  if (code == BN_CLICKED) box_.Click();
}

void OptionView::AfterCreate() {
  if (spec().fore != ui::kNoColour || spec().back != ui::kNoColour)
    context().dlls().SetWindowTheme(hwnd(), L"", L"");
}

void OptionView::Sync() {
  ControlView::Sync();
  const WPARAM state = option_.value() ? BST_CHECKED : BST_UNCHECKED;
  if (static_cast<WPARAM>(SendMessageW(hwnd(), BM_GETCHECK, 0, 0)) != state)
    SendMessageW(hwnd(), BM_SETCHECK, state, 0);
}

void OptionView::OnCommand(WORD code) {
  if (code == BN_CLICKED) option_.Click();
}

void TextBoxView::AfterCreate() {
  if (box_.max_length() > 0)
    SendMessageW(hwnd(), EM_LIMITTEXT, static_cast<WPARAM>(box_.max_length()), 0);
}

void TextBoxView::Sync() {
  ControlView::Sync();
  const std::wstring text = Widen(box_.text());
  if (WindowText(hwnd()) == text) return;
  syncing_ = true;
  SetWindowTextW(hwnd(), text.c_str());
  syncing_ = false;
}

void TextBoxView::OnCommand(WORD code) {
  if (code == EN_CHANGE && !syncing_) {
    box_.SetText(Narrow(WindowText(hwnd())));
  } else if (code == EN_KILLFOCUS) {
    box_.LostFocus();
    context().CheckWhenSettled();
  }
}

void ListBoxView::Sync() {
  ControlView::Sync();
  // Only the stretch that differs is sent: every item sent costs the list box a redraw.
  const std::size_t count = static_cast<std::size_t>(list_.ListCount());
  std::size_t head = 0;
  while (head < count && head < shown_.size() && shown_[head] == list_.List(static_cast<int>(head)))
    ++head;
  std::size_t tail = 0;
  while (tail < count - head && tail < shown_.size() - head &&
         shown_[shown_.size() - 1 - tail] == list_.List(static_cast<int>(count - 1 - tail)))
    ++tail;
  const std::size_t removed = shown_.size() - head - tail;
  const std::size_t added = count - head - tail;
  // Redrawing back on would also show a hidden list box.
  const bool bulk = removed + added > 1 && (GetWindowLongW(hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
  if (bulk) SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
  for (std::size_t i = head + removed; i-- > head;) SendMessageW(hwnd(), LB_DELETESTRING, i, 0);
  shown_.erase(shown_.begin() + static_cast<std::ptrdiff_t>(head),
               shown_.begin() + static_cast<std::ptrdiff_t>(head + removed));
  std::vector<std::string> fresh;
  for (std::size_t i = head; i < head + added; ++i) {
    fresh.push_back(list_.List(static_cast<int>(i)));
    SendMessageW(hwnd(), LB_INSERTSTRING, i, reinterpret_cast<LPARAM>(Widen(fresh.back()).c_str()));
  }
  shown_.insert(shown_.begin() + static_cast<std::ptrdiff_t>(head),
                std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
  if (bulk) {
    SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd(), nullptr, TRUE);
  }
  if (SendMessageW(hwnd(), LB_GETCURSEL, 0, 0) != list_.ListIndex())
    SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(list_.ListIndex()), 0);
}

void ListBoxView::OnCommand(WORD code) {
  if (code != LBN_SELCHANGE) return;
  // A refused selection is put back.
  list_.Click(static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0)));
  Sync();
}

std::unique_ptr<ControlView> MakeControlView(ui::Control& model, ViewContext& context) {
  switch (model.kind()) {
    case ui::Kind::kLabel:
      return std::make_unique<LabelView>(dynamic_cast<ui::Label&>(model), context);
    case ui::Kind::kButton:
      return std::make_unique<ButtonView>(dynamic_cast<ui::Button&>(model), context);
    case ui::Kind::kCheckBox:
      return std::make_unique<CheckBoxView>(dynamic_cast<ui::CheckBox&>(model), context);
    case ui::Kind::kOptionButton:
      return std::make_unique<OptionView>(dynamic_cast<ui::OptionButton&>(model), context);
    case ui::Kind::kTextBox:
      return std::make_unique<TextBoxView>(dynamic_cast<ui::TextBox&>(model), context);
    case ui::Kind::kListBox:
      return std::make_unique<ListBoxView>(dynamic_cast<ui::ListBox&>(model), context);
    case ui::Kind::kSlider:
      return std::make_unique<SliderView>(dynamic_cast<ui::Slider&>(model), context);
    case ui::Kind::kTabStrip:
      return std::make_unique<TabStripView>(dynamic_cast<ui::TabStrip&>(model), context);
    case ui::Kind::kImage:
      return std::make_unique<ImageView>(model, context);
    case ui::Kind::kFrame:
    case ui::Kind::kPanel:
      break;
  }
  return std::make_unique<ContainerView>(model, context);
}

}  // namespace quillmar::win32
