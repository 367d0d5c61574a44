#pragma once

#include <functional>
#include <string>

#include "ui/Layout.h"

namespace quillmar::ui {

class Window;

// A control of the model. A state that really changes is mirrored to the view first and then
// fires the control's handler at once, on the caller's stack; setting the state a control
// already has does nothing at all. A user's action asks the window first (MayAct); a change made
// by the program never does.
class Control {
 public:
  explicit Control(const ControlSpec& spec)
      : spec_(spec), caption_(spec.caption), enabled_(spec.enabled) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  const ControlSpec& spec() const { return spec_; }
  std::string_view name() const { return spec_.name; }
  Kind kind() const { return spec_.kind; }

  const std::string& caption() const { return caption_; }
  bool enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool visible() const { return visible_; }
  void SetVisible(bool visible);

  // Asks the control's window whether a user action on it may go ahead (Window::Allow).
  bool MayAct();
  // Puts the keyboard focus into the control.
  void SetFocus();

  // The view's hook: called after every change of what the control shows.
  void SetMirror(std::function<void()> mirror) { mirror_ = std::move(mirror); }

 protected:
  Window* window() const { return window_; }
  void Mirror() {
    if (mirror_) mirror_();
  }
  static void Fire(const std::function<void()>& handler) {
    if (handler) handler();
  }

 private:
  friend class Window;
  const ControlSpec& spec_;
  Window* window_ = nullptr;
  std::string caption_;
  bool enabled_;
  bool visible_ = true;
  std::function<void()> mirror_;
};

}  // namespace quillmar::ui
