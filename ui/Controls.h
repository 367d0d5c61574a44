#pragma once

#include <string>
#include <vector>

#include "ui/Control.h"

namespace quillmar::ui {

// Labels, images, frames and panels: nothing but what Control has. A clickable label has a
// handler.
class Label : public Control {
 public:
  using Control::Control;
  void Click() {
    if (MayAct()) Fire(OnClick);
  }
  std::function<void()> OnClick;
};

class Button : public Control {
 public:
  using Control::Control;
  void Click() {
    if (MayAct()) Fire(OnClick);
  }
  std::function<void()> OnClick;
};

// States 0 unchecked, 1 checked, 2 grey.
class CheckBox : public Control {
 public:
  explicit CheckBox(const ControlSpec& spec) : Control(spec), value_(spec.value) {}
  int value() const { return value_; }
  void SetValue(int value);
  // A user's click: checked becomes unchecked, anything else checked; never grey.
  void Click() {
    if (MayAct()) SetValue(value_ == 1 ? 0 : 1);
  }
  std::function<void()> OnClick;

 private:
  int value_;
};

// Option buttons that share a parent form one group with exactly one selected.
class OptionButton : public Control {
 public:
  explicit OptionButton(const ControlSpec& spec) : Control(spec), value_(spec.value != 0) {}
  bool value() const { return value_; }
  void Click() {
    if (MayAct()) Select();
  }
  // Selecting clears the others of the group; clearing by hand is not offered.
  void Select();

 private:
  friend class Window;
  bool value_;
  std::vector<OptionButton*> group_;
};

class TextBox : public Control {
 public:
  explicit TextBox(const ControlSpec& spec) : Control(spec), text_(spec.caption) {}
  const std::string& text() const { return text_; }
  // The length limit binds what the user types, not what the program puts in.
  void SetText(const std::string& text);
  int max_length() const { return spec().max_length; }
  // The focus left the box: OnLostFocus, its check, is due (Window::FocusLeft).
  void LostFocus();
  std::function<void()> OnLostFocus;

 private:
  std::string text_;
};

class ListBox : public Control {
 public:
  using Control::Control;
  int ListCount() const { return static_cast<int>(items_.size()); }
  const std::string& List(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  void AddItem(std::string item);
  void RemoveItem(int index);
  // -1 when nothing is selected.
  int ListIndex() const { return selected_; }
  bool Selected(int index) const { return index == selected_; }
  void SetListIndex(int index);
  void Click(int index) {
    if (MayAct()) SetListIndex(index);
  }

 private:
  std::vector<std::string> items_;
  int selected_ = -1;
};

class Slider : public Control {
 public:
  explicit Slider(const ControlSpec& spec) : Control(spec), value_(spec.value) {}
  int value() const { return value_; }
  int min() const { return spec().min; }
  int max() const { return spec().max; }
  // A value outside the range is refused, leaving the slider where it was; false then.
  bool SetValue(int value);
  // The user drags the thumb: the value follows and OnScroll runs instead of OnChange. False
  // when the window refused the action.
  bool Scroll(int value);
  // The user moved the slider otherwise (a click on the channel, a key); false when refused.
  bool Change(int value);
  std::function<void()> OnScroll;
  std::function<void()> OnChange;

 private:
  bool Move(int value);
  int value_;
};

// Tabs are numbered from 1.
class TabStrip : public Control {
 public:
  explicit TabStrip(const ControlSpec& spec) : Control(spec) {}
  int SelectedItem() const { return selected_; }
  int TabCount() const { return static_cast<int>(spec().items.size()); }
  void Select(int index);
  void Click(int index) {
    if (MayAct()) Select(index);
  }
  // A click on the tab `step` places on, round from the last to the first and back.
  void ClickNeighbour(int step);
  std::function<void()> OnClick;

 private:
  int selected_ = 1;
};

}  // namespace quillmar::ui
