#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string_view>

#include "ui/Control.h"
#include "win32/Handles.h"
#include "win32/Pictures.h"
#include "win32/SystemDlls.h"

namespace quillmar::win32 {

// What a control's wrapper needs from the window that holds it.
class ViewContext {
 public:
  virtual int dpi() const = 0;
  virtual HFONT Font(bool bold) const = 0;
  virtual const Picture* FindPicture(std::string_view name) = 0;
  virtual const WindowDlls& dlls() const = 0;
  // The focus left a box: a check that this made due runs once the focus has settled.
  virtual void CheckWhenSettled() = 0;

 protected:
  ~ViewContext() = default;
};

// One real control mirroring one model control. It creates its window, answers the
// notifications its window sends (reflected to it by the parent) and, on every model change,
// brings the window up to the model's state.
class ControlView {
 public:
  ControlView(ui::Control& model, ViewContext& context) : model_(model), context_(context) {}
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;
  virtual ~ControlView() = default;

  // Creates the window at its place with its font; Sync brings it up to the model's state.
  // parent_back: the parent's background, kNoColour for the system's face colour; style:
  // WS_VISIBLE, and WS_GROUP and WS_TABSTOP as its place in the tab order wants them.
  bool Create(HWND parent, int id, ui::Colour parent_back, DWORD style);
  // Stops mirroring; the model may be discarded afterwards.
  void Detach() { model_.SetMirror(nullptr); }
  void Destroy() { hwnd_.reset(); }
  // The window is already gone with its parent.
  void Forget() { hwnd_.release(); }

  HWND hwnd() const { return hwnd_.get(); }
  ui::Control& model() const { return model_; }
  const ui::ControlSpec& spec() const { return model_.spec(); }

  // Places the window from its twips at the context's DPI and gives it its font.
  void Layout();
  // Brings the window up to the model's state.
  virtual void Sync();

  virtual void OnCommand(WORD) {}
  virtual LRESULT OnNotify(const NMHDR&) { return 0; }
  virtual void OnHScroll(WORD) {}
  // nullptr leaves the colours to the parent's default.
  virtual HBRUSH OnCtlColor(HDC dc);
  virtual bool OnSetCursor() { return false; }

 protected:
  virtual void AfterCreate() {}
  virtual RECT PixelRect() const;
  ViewContext& context() const { return context_; }
  ui::Colour parent_back() const { return parent_back_; }
  HBRUSH BackBrush(ui::Colour colour);

 private:
  ui::Control& model_;
  ViewContext& context_;
  UniqueHwnd hwnd_;
  UniqueBrush brush_;
  ui::Colour brush_colour_ = ui::kNoColour;
  ui::Colour parent_back_ = ui::kNoColour;
};

COLORREF ToColorRef(ui::Colour colour);

// The wrapper for a control of the model, by its kind.
std::unique_ptr<ControlView> MakeControlView(ui::Control& model, ViewContext& context);

}  // namespace quillmar::win32
