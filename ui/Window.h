#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Controls.h"
#include "ui/Layout.h"

namespace quillmar::ui {

class Forms;

// A window of the model: its controls built from its layout table and reachable by name.
class Window {
 public:
  Window(const WindowSpec& spec, Forms& forms);
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window() = default;

  const WindowSpec& spec() const { return spec_; }
  std::string_view name() const { return spec_.name; }
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  // nullptr when the window has no control of that name.
  Control* Find(std::string_view name) const;
  // The control of that name and kind; a name the window lacks, or has for another kind of
  // control, throws: a table that names a control wrongly stops the program, never skips it.
  template <typename T>
  T& Get(std::string_view name) const {
    if (auto* control = dynamic_cast<T*>(Find(name))) return *control;
    throw std::logic_error(std::string(spec_.name) + " has no control " + std::string(name) +
                           " of the kind asked for");
  }

  // Runs once, after the controls exist and before the window is first shown.
  virtual void Form_Load() {}
  // The focus the window gives when it is first shown; nullptr for the first in tab order.
  virtual Control* InitialFocus() { return nullptr; }
  // The text shown when the pointer rests on the control, asked each time it shows; empty for
  // none.
  virtual std::string ToolTip(const Control&) const { return {}; }
  // Whether the control has a tooltip at all; reads nothing the tooltip may show.
  virtual bool HasToolTip(const Control&) const { return false; }
  // Whether Esc closes the window as its close box does.
  virtual bool ClosesOnEscape() const { return false; }

  // The gate of every user action: a focus-lost check still due runs first, and the action is
  // refused when that check asked for the focus, and while a check is running (its message is
  // up, and nothing may act behind it).
  bool Allow();
  // The focus left the box: its check, if it has one, is due.
  void FocusLeft(TextBox& box);
  // The focus has settled in this program: a due check runs now.
  void RunPendingCheck() { Allow(); }
  // The focus went to another program: the due check is dropped; the box is checked again when
  // the focus leaves it after the user is back.
  void DropPendingCheck() { pending_ = nullptr; }
  // A handler puts the keyboard focus into the control.
  void SetFocus(Control& control);

 protected:
  Forms& forms() { return forms_; }

 private:
  const WindowSpec& spec_;
  Forms& forms_;
  std::vector<std::unique_ptr<Control>> controls_;
  TextBox* pending_ = nullptr;
  bool checking_ = false;
  bool focus_asked_ = false;
};

}  // namespace quillmar::ui
