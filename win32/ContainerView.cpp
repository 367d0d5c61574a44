#include "win32/ControlClass.h"
#include "win32/ControlViews.h"
#include "win32/Geometry.h"

namespace quillmar::win32 {
namespace {

bool PassedUp(UINT message) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      return true;
    default:
      return false;
  }
}

}  // namespace

void ImageView::Draw(HDC dc) const {
  if (const Picture* picture = context().FindPicture(spec().picture))
    DrawPicture(dc, *picture, ToPixels(spec().rect, context().dpi()), spec().stretch,
                context().dpi());
}

bool ContainerView::Register(HINSTANCE instance) {
  WNDCLASSEXW c{};
  c.cbSize = sizeof c;
  c.lpfnWndProc = Proc;
  c.hInstance = instance;
  c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  c.lpszClassName = kContainerClass;
  return RegisterClassExW(&c) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void ContainerView::Paint(HWND hwnd) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  if (dc == nullptr) return;
  RECT client;
  GetClientRect(hwnd, &client);
  const ui::Colour back = spec().back;
  FillRect(dc, &client, back == ui::kNoColour ? GetSysColorBrush(COLOR_BTNFACE) : BackBrush(back));
  // A page frame draws the edge of the tab strip's body that it lies over.
  if (spec().kind == ui::Kind::kFrame) DrawEdge(dc, &client, EDGE_RAISED, BF_RECT | BF_SOFT);
  // The first lies above the others, as windows stack.
  for (auto it = pictures_.rbegin(); it != pictures_.rend(); ++it) (*it)->Draw(dc);
  EndPaint(hwnd, &paint);
}

LRESULT CALLBACK ContainerView::Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  try {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<ContainerView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    if (PassedUp(message)) {
      HWND root = GetAncestor(hwnd, GA_ROOT);
      if (root != nullptr && root != hwnd) return SendMessageW(root, message, wparam, lparam);
    }
    if (self != nullptr && message == WM_ERASEBKGND) return 1;
    if (self != nullptr && message == WM_PAINT) {
      self->Paint(hwnd);
      return 0;
    }
  } catch (...) {
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace quillmar::win32
