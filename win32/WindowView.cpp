#include "win32/WindowView.h"

#include <algorithm>
#include <tuple>

#include "win32/ControlClass.h"
#include "win32/ControlViews.h"
#include "win32/Geometry.h"
#include "win32/Text.h"

namespace quillmar::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"QuillmarWindow";
// Control ids start above the dialog manager's IDOK and IDCANCEL.
constexpr int kFirstId = 100;

}  // namespace

WindowView::WindowView(ui::Window& model, HINSTANCE instance, PictureCache& pictures,
                       const WindowDlls& dlls, std::function<void()> close_requested)
    : model_(model),
      instance_(instance),
      pictures_(pictures),
      dlls_(dlls),
      close_requested_(std::move(close_requested)) {}

WindowView::~WindowView() {
  destroying_ = true;
  detached_ = true;
  tips_.reset();
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) (*it)->Destroy();
  hwnd_.reset();
}

bool WindowView::Create() {
  static const bool registered = [this] {
    WNDCLASSEXW c{};
    c.cbSize = sizeof c;
    c.lpfnWndProc = Proc;
    c.hInstance = instance_;
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    c.lpszClassName = kWindowClass;
    c.hIcon = static_cast<HICON>(
        LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    c.hIconSm = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON),
                                              GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    const bool window = RegisterClassExW(&c) != 0;
    return ContainerView::Register(instance_) && window;
  }();
  if (!registered) return false;

  // Created where it stays, at the DPI it most likely has there: placing it afterwards would
  // cost a round of messages, and every control another once they are in.
  dpi_ = WindowDpi(nullptr);
  const RECT place = Placement(StartMonitor(), nullptr);
  hwnd_.reset(CreateWindowExW(0, kWindowClass, Widen(std::string(model_.spec().caption)).c_str(),
                              kStyle, place.left, place.top, place.right - place.left,
                              place.bottom - place.top, nullptr, nullptr, instance_, this));
  if (!hwnd_) return false;
  if (const int dpi = WindowDpi(hwnd_.get()); dpi != dpi_) {
    dpi_ = dpi;
    PlaceWindow(nullptr);
  } else {
    FitClient();
  }
  fonts_ = std::make_unique<FontSet>(dpi_);
  CreateChildren(nullptr, ui::kNoColour);
  return true;
}

void WindowView::CreateChildren(ControlView* parent, ui::Colour parent_back) {
  const auto& all = model_.controls();
  const std::string_view parent_name = parent != nullptr ? parent->spec().name : "";
  std::vector<std::size_t> children;
  for (std::size_t i = 0; i < all.size(); ++i)
    if (all[i]->spec().parent == parent_name) children.push_back(i);
  // Tab order first, then the table's order; the tab strip lies beneath the pages.
  auto key = [&](std::size_t i) {
    const ui::ControlSpec& s = all[i]->spec();
    return std::make_tuple(s.kind == ui::Kind::kTabStrip, s.tab_index < 0, s.tab_index);
  };
  std::stable_sort(children.begin(), children.end(),
                   [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
  HWND parent_hwnd = parent != nullptr ? parent->hwnd() : hwnd_.get();
  bool after_option = false;
  for (const std::size_t i : children) {
    ui::Control& model = *all[i];
    const ui::Kind kind = model.kind();
    // Each option group starts a tab stop; every other control is a group of its own.
    const bool option = kind == ui::Kind::kOptionButton;
    const DWORD group = option && after_option ? 0 : option ? WS_GROUP | WS_TABSTOP : WS_GROUP;
    after_option = option;
    const int id = kFirstId + static_cast<int>(i);
    const bool page = kind == ui::Kind::kFrame || kind == ui::Kind::kPanel;
    // A page out of sight gets its window and controls once the window is up, or when shown.
    const bool later = page && parent == nullptr && !model.visible();
    auto view = MakeControlView(model, *this);
    // A window fewer for each picture: its parent draws it.
    if (kind == ui::Kind::kImage) {
      const auto& image = static_cast<const ImageView&>(*view);
      if (parent != nullptr) static_cast<ContainerView*>(parent)->AddPicture(image);
      if (parent == nullptr) own_pictures_.push_back(&image);
    } else if (!later && !view->Create(parent_hwnd, id, parent_back,
                                       group | (model.visible() ? WS_VISIBLE : 0))) {
      continue;
    }
    controls_.push_back(std::move(view));
    ControlView* created = controls_.back().get();
    if (parent == nullptr) top_level_.push_back(created);
    if (later) {
      pending_pages_.push_back({created, id, group});
      model.SetMirror([this, created] {
        CreatePage(created);
        created->Sync();
      });
      continue;
    }
    if (kind == ui::Kind::kImage) continue;
    created->Sync();
    model.SetMirror([created] { created->Sync(); });
    if (page) CreateChildren(created, created->spec().back);
  }
}

void WindowView::Layout(const RECT* suggested) {
  for (const auto& view : controls_) view->Layout();
  PlaceWindow(suggested);
}

RECT WindowView::Placement(HMONITOR monitor, const RECT* suggested) const {
  const ui::WindowSpec& spec = model_.spec();
  const SIZE outer = OuterSize(TwipsToPixels(spec.client_width, dpi_),
                               TwipsToPixels(spec.client_height, dpi_), kStyle, 0, dpi_);
  POINT at{};
  if (suggested != nullptr) {
    at = {suggested->left, suggested->top};
  } else {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    at = Centred(info.rcWork, outer);
  }
  return {at.x, at.y, at.x + outer.cx, at.y + outer.cy};
}

void WindowView::PlaceWindow(const RECT* suggested) {
  const RECT r = Placement(MonitorFromWindow(hwnd_.get(), MONITOR_DEFAULTTOPRIMARY), suggested);
  SetWindowPos(hwnd_.get(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  FitClient();
}

void WindowView::FitClient() {
  // Where the frame is drawn at another DPI than the one asked about, the client area still
  // comes out exact.
  const ui::WindowSpec& spec = model_.spec();
  RECT client;
  RECT outer;
  GetClientRect(hwnd_.get(), &client);
  GetWindowRect(hwnd_.get(), &outer);
  const int dx = TwipsToPixels(spec.client_width, dpi_) - client.right;
  const int dy = TwipsToPixels(spec.client_height, dpi_) - client.bottom;
  if (dx != 0 || dy != 0)
    SetWindowPos(hwnd_.get(), nullptr, 0, 0, outer.right - outer.left + dx,
                 outer.bottom - outer.top + dy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

HWND WindowView::FirstFocus() const {
  if (ui::Control* wanted = model_.InitialFocus())
    if (ControlView* view = Find(*wanted)) return view->hwnd();
  return GetNextDlgTabItem(hwnd_.get(), nullptr, FALSE);
}

void WindowView::Show(HWND owner) {
  if (!hwnd_) return;
  if (owner != nullptr)
    SetWindowLongPtrW(hwnd_.get(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
  saved_focus_ = FirstFocus();
  // Shown as a dialog is: the controls are erased and painted together once the message loop
  // runs, not erased one by one here and painted again, and input waiting by then goes first.
  SetWindowPos(hwnd_.get(), nullptr, 0, 0, 0, 0,
               SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_DEFERERASE);
  SetForegroundWindow(hwnd_.get());
  if (saved_focus_ != nullptr && GetActiveWindow() == hwnd_.get()) ::SetFocus(saved_focus_);
  // A timer comes after the paint, so the hidden pages never hold up the first one.
  if (!pending_pages_.empty()) {
    SetTimer(hwnd_.get(), kPageTimer, USER_TIMER_MINIMUM, nullptr);
  } else {
    AddTips();
  }
}

void WindowView::Focus(const ui::Control& control) {
  ControlView* view = Find(control);
  if (view == nullptr || view->hwnd() == nullptr) return;
  saved_focus_ = view->hwnd();
  ::SetFocus(view->hwnd());
}

void WindowView::Destroy() {
  if (destroyed_) return;
  destroying_ = true;
  detached_ = true;
  for (const auto& view : controls_) view->Detach();
  // Enabled before this window goes, so that the activation returns to them.
  for (HWND h : disabled_)
    if (IsWindow(h)) EnableWindow(h, TRUE);
  disabled_.clear();
  tips_.reset();
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) (*it)->Destroy();
  hwnd_.reset();
  pending_pages_.clear();
  destroyed_ = true;
}

void WindowView::CheckWhenSettled() {
  if (!detached_) PostMessageW(hwnd_.get(), kRunCheck, 0, 0);
}

void WindowView::CreatePage(ControlView* page) {
  const auto it = std::find_if(pending_pages_.begin(), pending_pages_.end(),
                               [page](const PendingPage& p) { return p.view == page; });
  if (it == pending_pages_.end()) return;
  const PendingPage pending = *it;
  pending_pages_.erase(it);
  // Hidden until its controls are in, then stacked, and so tabbed, below the sibling before it.
  if (!page->Create(hwnd_.get(), pending.id, ui::kNoColour, pending.group)) return;
  SetWindowPos(page->hwnd(), Above(*page), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  CreateChildren(page, page->spec().back);
}

HWND WindowView::Above(const ControlView& view) const {
  HWND above = HWND_TOP;
  for (const ControlView* sibling : top_level_) {
    if (sibling == &view) break;
    if (sibling->hwnd() != nullptr) above = sibling->hwnd();
  }
  return above;
}

void WindowView::PaintPictures() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_.get(), &paint);
  if (dc == nullptr) return;
  for (auto it = own_pictures_.rbegin(); it != own_pictures_.rend(); ++it) (*it)->Draw(dc);
  EndPaint(hwnd_.get(), &paint);
}

ControlView* WindowView::Find(HWND hwnd) const {
  if (hwnd == nullptr) return nullptr;
  for (const auto& view : controls_)
    if (view->hwnd() == hwnd) return view.get();
  return nullptr;
}

ControlView* WindowView::Find(const ui::Control& control) const {
  for (const auto& view : controls_)
    if (&view->model() == &control) return view.get();
  return nullptr;
}

ControlView* WindowView::Find(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (const auto& view : controls_)
    if (view->spec().name == name) return view.get();
  return nullptr;
}

HWND WindowView::Handle(std::string_view name) {
  while (!pending_pages_.empty()) CreatePage(pending_pages_.front().view);
  ControlView* view = Find(name);
  return view != nullptr ? view->hwnd() : nullptr;
}

}  // namespace quillmar::win32
