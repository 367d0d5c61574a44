#include "ui/Window.h"

#include <map>
#include <utility>

#include "ui/Forms.h"

namespace quillmar::ui {
namespace {

std::unique_ptr<Control> Make(const ControlSpec& spec) {
  switch (spec.kind) {
    case Kind::kLabel:
      return std::make_unique<Label>(spec);
    case Kind::kButton:
      return std::make_unique<Button>(spec);
    case Kind::kCheckBox:
      return std::make_unique<CheckBox>(spec);
    case Kind::kOptionButton:
      return std::make_unique<OptionButton>(spec);
    case Kind::kTextBox:
      return std::make_unique<TextBox>(spec);
    case Kind::kListBox:
      return std::make_unique<ListBox>(spec);
    case Kind::kSlider:
      return std::make_unique<Slider>(spec);
    case Kind::kTabStrip:
      return std::make_unique<TabStrip>(spec);
    case Kind::kFrame:
    case Kind::kPanel:
    case Kind::kImage:
      break;
  }
  return std::make_unique<Control>(spec);
}

}  // namespace

Window::Window(const WindowSpec& spec, Forms& forms) : spec_(spec), forms_(forms) {
  std::map<std::string_view, std::vector<OptionButton*>> groups;
  for (const ControlSpec& c : spec.controls) {
    controls_.push_back(Make(c));
    controls_.back()->window_ = this;
    if (auto* option = dynamic_cast<OptionButton*>(controls_.back().get()))
      groups[c.parent].push_back(option);
  }
  for (auto& [parent, group] : groups)
    for (OptionButton* option : group) option->group_ = group;
}

bool Window::Allow() {
  if (checking_) return false;
  TextBox* box = std::exchange(pending_, nullptr);
  if (box == nullptr) return true;
  checking_ = true;
  focus_asked_ = false;
  box->OnLostFocus();
  checking_ = false;
  return !focus_asked_;
}

void Window::FocusLeft(TextBox& box) {
  if (!checking_ && box.OnLostFocus) pending_ = &box;
}

void Window::SetFocus(Control& control) {
  if (checking_) focus_asked_ = true;
  forms_.host().SetFocus(control);
}

bool Control::MayAct() {
  return window_ == nullptr || window_->Allow();
}

void Control::SetFocus() {
  if (window_ != nullptr) window_->SetFocus(*this);
}

void TextBox::LostFocus() {
  if (window() != nullptr) window()->FocusLeft(*this);
}

Control* Window::Find(std::string_view name) const {
  for (const auto& c : controls_)
    if (c->name() == name) return c.get();
  return nullptr;
}

}  // namespace quillmar::ui
