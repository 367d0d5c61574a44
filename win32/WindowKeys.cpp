#include <algorithm>
#include <vector>

#include "win32/WindowView.h"

namespace quillmar::win32 {
namespace {

bool Down(int key) {
  return GetKeyState(key) < 0;
}

// +1 for the next page, -1 for the previous one, 0 for any other key.
int PageStep(const MSG& message) {
  if (message.message != WM_KEYDOWN || !Down(VK_CONTROL) || Down(VK_MENU)) return 0;
  switch (message.wParam) {
    case VK_TAB:
      return Down(VK_SHIFT) ? -1 : 1;
    case VK_NEXT:
      return 1;
    case VK_PRIOR:
      return -1;
    default:
      return 0;
  }
}

}  // namespace

bool WindowView::PageShortcut(const MSG& message) {
  const int step = PageStep(message);
  if (step == 0 || detached_) return false;
  const auto strip = std::find_if(controls_.begin(), controls_.end(), [](const auto& view) {
    return view->model().kind() == ui::Kind::kTabStrip && view->hwnd() != nullptr;
  });
  if (strip == controls_.end()) return false;
  HWND tabs = (*strip)->hwnd();
  auto& model = static_cast<ui::TabStrip&>((*strip)->model());
  std::vector<ControlView*> hidden;
  for (ControlView* view : top_level_)
    if (view->model().kind() != ui::Kind::kImage && !view->model().visible())
      hidden.push_back(view);

  // The focus goes to the tab strip first, as a click on a tab takes it: a box left with an
  // invalid text is checked then, and may keep the page and the focus.
  const bool had_focus = GetFocus() == tabs;
  if (!had_focus) ::SetFocus(tabs);
  const int before = model.SelectedItem();
  model.ClickNeighbour(step);
  if (had_focus || model.SelectedItem() == before || GetFocus() != tabs) return true;
  for (ControlView* view : hidden) {
    if (!view->model().visible() || view->hwnd() == nullptr) continue;
    if (HWND first = FirstFocusIn(view->hwnd())) ::SetFocus(first);
    break;
  }
  return true;
}

HWND WindowView::FirstFocusIn(HWND page) const {
  HWND self = hwnd_.get();
  HWND first = GetNextDlgTabItem(self, nullptr, FALSE);
  for (HWND h = first; h != nullptr;) {
    if (IsChild(page, h)) {
      // An option group takes the focus on its selected option, as Tab gives it.
      if ((SendMessageW(h, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) == 0) return h;
      for (HWND option = h;;) {
        if (SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED) return option;
        option = GetNextDlgGroupItem(self, option, FALSE);
        if (option == nullptr || option == h) return h;
      }
    }
    h = GetNextDlgTabItem(self, h, FALSE);
    if (h == first) break;
  }
  return nullptr;
}

void WindowView::OnDialogKey(WORD id) {
  if (id == IDCANCEL && model_.ClosesOnEscape() && close_requested_) {
    close_requested_();
  } else if (id == IDOK) {
    ControlView* focused = Find(GetFocus());
    if (focused != nullptr && focused->model().kind() == ui::Kind::kButton)
      focused->OnCommand(BN_CLICKED);
  }
}

void WindowView::AddTips() {
  if (tips_ || !hwnd_) return;
  std::vector<HWND> tools;
  for (const auto& view : controls_)
    if (view->hwnd() != nullptr && model_.HasToolTip(view->model())) tools.push_back(view->hwnd());
  if (tools.empty()) return;
  tips_ = std::make_unique<ToolTips>(hwnd_.get(), instance_);
  tips_->Scale(dpi_, Font(false));
  for (HWND tool : tools) tips_->Add(tool);
}

bool WindowView::AnswerTip(NMHDR& header) {
  if (!tips_ || header.code != TTN_GETDISPINFOW) return false;
  if (ControlView* view = Find(reinterpret_cast<HWND>(header.idFrom)))
    tips_->Answer(reinterpret_cast<NMTTDISPINFOW&>(header), model_.ToolTip(view->model()));
  return true;
}

}  // namespace quillmar::win32
