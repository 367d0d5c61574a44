#include "ui/Window.h"

#include <map>

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
    if (auto* option = dynamic_cast<OptionButton*>(controls_.back().get()))
      groups[c.parent].push_back(option);
  }
  for (auto& [parent, group] : groups)
    for (OptionButton* option : group) option->group_ = group;
}

Control* Window::Find(std::string_view name) const {
  for (const auto& c : controls_)
    if (c->name() == name) return c.get();
  return nullptr;
}

}  // namespace quillmar::ui
