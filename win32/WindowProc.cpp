#include "win32/ControlViews.h"
#include "win32/Fonts.h"
#include "win32/WindowView.h"

namespace quillmar::win32 {
LRESULT CALLBACK WindowView::Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  try {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<WindowView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      if (self != nullptr) self->OnDestroyed();
    } else if (self != nullptr && self->hwnd_.get() == hwnd) {
      return self->Handle(message, wparam, lparam);
    }
  } catch (...) {
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT WindowView::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  HWND self = hwnd_.get();
  LRESULT result = 0;
  if (!detached_ && Reflect(message, wparam, lparam, result)) return result;
  switch (message) {
    case WM_ACTIVATE:
      if (OnActivate(wparam)) return 0;
      break;
    case WM_COMMAND:
      // What no control sent: the dialog manager's Enter and Esc.
      if (lparam == 0) OnDialogKey(LOWORD(wparam));
      return 0;
    case WM_NOTIFY:
      if (AnswerTip(*reinterpret_cast<NMHDR*>(lparam))) return 0;
      break;
    case WM_SETTINGCHANGE:
      // The tooltip control may take the system's font again; the tips keep the window's.
      if (tips_) tips_->Scale(dpi_, Font(false));
      break;
    case WM_CLOSE:
      if (close_requested_) close_requested_();
      return 0;
    case WM_PAINT:
      PaintPictures();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // Nothing is kept unwritten, so the session may end the program at once.
      if (wparam != FALSE) ExitProcess(0);
      return 0;
    case WM_DPICHANGED:
      dpi_ = HIWORD(wparam);
      fonts_ = std::make_unique<FontSet>(dpi_);
      if (tips_) tips_->Scale(dpi_, Font(false));
      Layout(reinterpret_cast<const RECT*>(lparam));
      InvalidateRect(self, nullptr, TRUE);
      return 0;
    case WM_TIMER:
      if (wparam != kPageTimer) break;
      // One page a tick: the window answers in between.
      if (!pending_pages_.empty()) CreatePage(pending_pages_.front().view);
      if (pending_pages_.empty()) {
        KillTimer(self, kPageTimer);
        AddTips();
      }
      return 0;
    case kRunCheck:
      // A check whose box lost the focus to another program waits until the user is back.
      if (GetFocus() == nullptr) {
        model_.DropPendingCheck();
      } else {
        model_.RunPendingCheck();
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(self, message, wparam, lparam);
}

bool WindowView::Reflect(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      if (ControlView* view = Find(reinterpret_cast<HWND>(lparam))) {
        view->OnCommand(HIWORD(wparam));
        return true;
      }
      return false;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lparam);
      if (ControlView* view = Find(header->hwndFrom)) {
        result = view->OnNotify(*header);
        return true;
      }
      return false;
    }
    case WM_HSCROLL:
      if (ControlView* view = Find(reinterpret_cast<HWND>(lparam))) {
        view->OnHScroll(LOWORD(wparam));
        return true;
      }
      return false;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      if (ControlView* view = Find(reinterpret_cast<HWND>(lparam))) {
        if (HBRUSH brush = view->OnCtlColor(reinterpret_cast<HDC>(wparam))) {
          result = reinterpret_cast<LRESULT>(brush);
          return true;
        }
      }
      return false;
    case WM_SETCURSOR:
      if (ControlView* view = Find(reinterpret_cast<HWND>(wparam))) {
        result = TRUE;
        return view->OnSetCursor();
      }
      return false;
    default:
      return false;
  }
}

bool WindowView::OnActivate(WPARAM wparam) {
  HWND self = hwnd_.get();
  if (LOWORD(wparam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(self, focus)) saved_focus_ = focus;
    return false;
  }
  // A minimised window gets its focus back when it is restored.
  if (HIWORD(wparam) != 0) return false;
  if (saved_focus_ == nullptr || !IsWindow(saved_focus_) || !IsChild(self, saved_focus_) ||
      !IsWindowVisible(saved_focus_) || !IsWindowEnabled(saved_focus_))
    saved_focus_ = GetNextDlgTabItem(self, nullptr, FALSE);
  if (saved_focus_ == nullptr) return false;
  ::SetFocus(saved_focus_);
  return true;
}

void WindowView::OnDestroyed() {
  hwnd_.release();
  if (tips_) tips_->Forget();
  for (const auto& view : controls_) view->Forget();
  if (destroying_ || destroyed_) return;
  // Taken down from outside: the model window is closed as by its close box.
  destroyed_ = true;
  detached_ = true;
  for (const auto& view : controls_) view->Detach();
  if (close_requested_) close_requested_();
}

}  // namespace quillmar::win32
