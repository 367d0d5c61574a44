#include "win32/Win32Host.h"

#include <algorithm>

#include "win32/Broadcast.h"
#include "win32/Text.h"

namespace quillmar::win32 {

void Win32Host::MsgBox(const std::string& text) {
  // A half-done click that moved the focus is cancelled, not finished behind the message.
  ReleaseCapture();
  MessageBoxW(ActiveWindow(), Widen(text).c_str(), Widen(ui::kAppTitle).c_str(), MB_OK);
}

void Win32Host::Beep() {
  MessageBeep(MB_OK);
}

void Win32Host::SetFocus(ui::Control& control) {
  for (const auto& view : open_)
    if (view->model().Find(control.name()) == &control) view->Focus(control);
}

WindowView* Win32Host::Find(const ui::Window& window) const {
  for (const auto& view : open_)
    if (&view->model() == &window) return view.get();
  return nullptr;
}

WindowView* Win32Host::Realize(ui::Window& window) {
  if (WindowView* view = Find(window)) return view;
  ui::Window* model = &window;
  auto view = std::make_unique<WindowView>(window, instance_, pictures_, dlls_, [this, model] {
    if (forms_ != nullptr) forms_->Close(*model);
  });
  if (!view->Create()) return nullptr;
  open_.push_back(std::move(view));
  return open_.back().get();
}

void Win32Host::Show(ui::Window& window, bool modal) {
  HWND owner = modal ? ActiveWindow() : nullptr;
  WindowView* view = Realize(window);
  if (view == nullptr) return;
  if (!modal) {
    view->Show(nullptr);
    return;
  }
  std::vector<HWND> disabled;
  for (const auto& other : open_) {
    if (other.get() != view && other->hwnd() != nullptr && IsWindowEnabled(other->hwnd())) {
      EnableWindow(other->hwnd(), FALSE);
      disabled.push_back(other->hwnd());
    }
  }
  view->ReenableOnDestroy(std::move(disabled));
  view->Show(owner);
  RunModal(*view);
}

void Win32Host::RunModal(const WindowView& view) {
  MSG message;
  while (!view.destroyed()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (!PreTranslate(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

void Win32Host::Close(ui::Window& window) {
  auto it = std::find_if(open_.begin(), open_.end(),
                         [&](const auto& view) { return &view->model() == &window; });
  if (it == open_.end()) return;
  (*it)->Destroy();
  closed_.push_back(std::move(*it));
  open_.erase(it);
}

void Win32Host::LogOff() {
  // 0: the current user only, without forcing programs to close.
  exit_windows(0, 0xFFF);
}

void Win32Host::SettingsChanged(bool metrics) {
  AnnounceSettingChange(metrics);
}

int Win32Host::PlatformId() {
  return SystemPlatformId();
}

int SystemPlatformId() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExA(&version)) return 0;
  return static_cast<int>(version.dwPlatformId);
}

HWND Win32Host::ActiveWindow() const {
  HWND active = GetActiveWindow();
  for (const auto& view : open_)
    if (view->hwnd() == active && active != nullptr) return active;
  for (auto it = open_.rbegin(); it != open_.rend(); ++it) {
    HWND h = (*it)->hwnd();
    if (h != nullptr && IsWindowVisible(h) && IsWindowEnabled(h)) return h;
  }
  return nullptr;
}

bool Win32Host::PreTranslate(MSG& message) {
  HWND active = GetActiveWindow();
  if (active == nullptr) return false;
  for (const auto& view : open_)
    if (view->hwnd() == active)
      return view->PageShortcut(message) || IsDialogMessageW(active, &message) != FALSE;
  return false;
}

}  // namespace quillmar::win32
