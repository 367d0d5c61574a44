#include "ui/Controls.h"

#include <utility>

namespace quillmar::ui {

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Mirror();
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Mirror();
}

void CheckBox::SetValue(int value) {
  if (value_ == value || value < 0 || value > 2) return;
  value_ = value;
  Mirror();
  Fire(OnClick);
}

void OptionButton::Select() {
  if (value_) return;
  for (OptionButton* other : group_) {
    if (other != this && other->value_) {
      other->value_ = false;
      other->Mirror();
    }
  }
  value_ = true;
  Mirror();
}

void TextBox::SetText(const std::string& text) {
  if (text_ == text) return;
  text_ = text;
  Mirror();
}

void ListBox::AddItem(std::string item) {
  items_.push_back(std::move(item));
  Mirror();
}

void ListBox::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) return;
  items_.erase(items_.begin() + index);
  if (selected_ == index) {
    selected_ = -1;
  } else if (selected_ > index) {
    --selected_;
  }
  Mirror();
}

void ListBox::SetListIndex(int index) {
  if (index < -1 || index >= ListCount() || index == selected_) return;
  selected_ = index;
  Mirror();
}

bool Slider::Move(int value) {
  if (value < min() || value > max()) return false;
  if (value == value_) return true;
  value_ = value;
  Mirror();
  return true;
}

bool Slider::SetValue(int value) {
  const int before = value_;
  if (!Move(value)) return false;
  if (value_ != before) Fire(OnChange);
  return true;
}

bool Slider::Scroll(int value) {
  if (!MayAct()) return false;
  const int before = value_;
  if (Move(value) && value_ != before) Fire(OnScroll);
  return true;
}

bool Slider::Change(int value) {
  if (!MayAct()) return false;
  SetValue(value);
  return true;
}

void TabStrip::Select(int index) {
  if (index < 1 || index > TabCount() || index == selected_) return;
  selected_ = index;
  Mirror();
  Fire(OnClick);
}

void TabStrip::ClickNeighbour(int step) {
  const int count = TabCount();
  if (count > 0) Click(((selected_ - 1 + step) % count + count) % count + 1);
}

}  // namespace quillmar::ui
