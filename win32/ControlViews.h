#pragma once

#include <string>
#include <vector>

#include "ui/Controls.h"
#include "win32/ControlView.h"

namespace quillmar::win32 {

// A label; a clickable one is drawn as a link, shows the hand and reports its clicks.
class LabelView final : public ControlView {
 public:
  LabelView(ui::Label& model, ViewContext& context) : ControlView(model, context), label_(model) {}
  void OnCommand(WORD code) override;
  bool OnSetCursor() override;

 protected:
  RECT PixelRect() const override;

 private:
  ui::Label& label_;
};

class ButtonView final : public ControlView {
 public:
  ButtonView(ui::Button& model, ViewContext& context)
      : ControlView(model, context), button_(model) {}
  void OnCommand(WORD code) override;

 private:
  ui::Button& button_;
};

// A three-state box that never changes itself: the click goes to the model, whose state comes
// back through Sync.
class CheckBoxView final : public ControlView {
 public:
  CheckBoxView(ui::CheckBox& model, ViewContext& context)
      : ControlView(model, context), box_(model) {}
  void Sync() override;
  void OnCommand(WORD code) override;

 protected:
  void AfterCreate() override;

 private:
  ui::CheckBox& box_;
};

class OptionView final : public ControlView {
 public:
  OptionView(ui::OptionButton& model, ViewContext& context)
      : ControlView(model, context), option_(model) {}
  void Sync() override;
  void OnCommand(WORD code) override;

 protected:
  void AfterCreate() override;

 private:
  ui::OptionButton& option_;
};

class TextBoxView final : public ControlView {
 public:
  TextBoxView(ui::TextBox& model, ViewContext& context)
      : ControlView(model, context), box_(model) {}
  void Sync() override;
  void OnCommand(WORD code) override;

 protected:
  void AfterCreate() override;

 private:
  ui::TextBox& box_;
  bool syncing_ = false;
};

class ListBoxView final : public ControlView {
 public:
  ListBoxView(ui::ListBox& model, ViewContext& context)
      : ControlView(model, context), list_(model) {}
  void Sync() override;
  void OnCommand(WORD code) override;

 private:
  ui::ListBox& list_;
  std::vector<std::string> shown_;
};

class SliderView final : public ControlView {
 public:
  SliderView(ui::Slider& model, ViewContext& context)
      : ControlView(model, context), slider_(model) {}
  void Sync() override;
  void OnHScroll(WORD code) override;

 protected:
  void AfterCreate() override;

 private:
  ui::Slider& slider_;
  bool ending_ = false;
};

class TabStripView final : public ControlView {
 public:
  TabStripView(ui::TabStrip& model, ViewContext& context)
      : ControlView(model, context), tabs_(model) {}
  void Sync() override;
  LRESULT OnNotify(const NMHDR& header) override;

 protected:
  void AfterCreate() override;

 private:
  ui::TabStrip& tabs_;
};

// A picture from the program's resources, drawn by the window or frame it lies on: it has no
// window of its own. Nothing is drawn for a missing picture.
class ImageView final : public ControlView {
 public:
  using ControlView::ControlView;
  void Draw(HDC dc) const;
};

// A page frame or a panel: our own child window holding other controls. It passes its
// children's notifications up to the window, which reflects them to the children's wrappers.
class ContainerView final : public ControlView {
 public:
  using ControlView::ControlView;
  static bool Register(HINSTANCE instance);
  void AddPicture(const ImageView& image) { pictures_.push_back(&image); }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void Paint(HWND hwnd);

  std::vector<const ImageView*> pictures_;
};

}  // namespace quillmar::win32
