#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "ui/Window.h"
#include "win32/ControlView.h"
#include "win32/ControlViews.h"
#include "win32/Fonts.h"
#include "win32/Handles.h"
#include "win32/Pictures.h"
#include "win32/ToolTips.h"

namespace quillmar::win32 {

// The real window of one model window: a fixed-size top-level window with one wrapper per
// control of its layout table. It only mirrors the model and turns the user's actions into
// model calls; it holds no rule of its own.
class WindowView final : public ViewContext {
 public:
  static constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

  // close_requested runs when the user asks the window to close (its close box).
  WindowView(ui::Window& model, HINSTANCE instance, PictureCache& pictures, const WindowDlls& dlls,
             std::function<void()> close_requested);
  WindowView(const WindowView&) = delete;
  WindowView& operator=(const WindowView&) = delete;
  ~WindowView();

  // Creates the window and its controls, hidden, centred on its monitor; false on failure.
  bool Create();
  // Shows and activates the window, owned by owner (may be null), focus on its first control.
  void Show(HWND owner);
  // Puts the keyboard focus into the control's window.
  void Focus(const ui::Control& control);
  // These windows are enabled again when this one is destroyed.
  void ReenableOnDestroy(std::vector<HWND> windows) { disabled_ = std::move(windows); }
  // Stops mirroring and takes the windows off the screen; the model may then be discarded.
  void Destroy();
  bool destroyed() const { return destroyed_; }
  // Ctrl+Tab, Ctrl+PgDn and their reverses with Shift or PgUp: the next or previous page, as a
  // click on its tab; true when the key was one of them.
  bool PageShortcut(const MSG& message);

  HWND hwnd() const { return hwnd_.get(); }
  // The window of a control by its name, its page created first; null when there is none.
  HWND Handle(std::string_view name);
  ui::Window& model() const { return model_; }

  int dpi() const override { return dpi_; }
  HFONT Font(bool bold) const override { return fonts_ ? fonts_->Get(bold) : nullptr; }
  const Picture* FindPicture(std::string_view name) override { return pictures_.Find(name); }
  const WindowDlls& dlls() const override { return dlls_; }
  void CheckWhenSettled() override;

 private:
  // Posted when a text box lost the focus, so that its check runs once the focus has settled.
  static constexpr UINT kRunCheck = WM_APP + 1;
  // Ticks once the window is up and painted: creates the controls of the next page out of sight.
  static constexpr UINT_PTR kPageTimer = 1;

  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  bool Reflect(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
  // Enter and Esc as the dialog manager reports them, with no control of those ids: Enter
  // presses the focused button, and Esc is the close box where the window wants it.
  void OnDialogKey(WORD id);
  // Keeps the focused control over a deactivation; true when it put the focus back.
  bool OnActivate(WPARAM wparam);
  void OnDestroyed();
  // Creates the children of parent (null: the window's own), each below the one before it, so
  // that the stacking and the tab order come out as the layout wants them.
  void CreateChildren(ControlView* parent, ui::Colour parent_back);
  // Draws the pictures that lie on the window itself.
  void PaintPictures();
  // A page of the window's own whose window and controls are put off until it is needed.
  struct PendingPage {
    ControlView* view;
    int id;
    DWORD group;
  };

  // Creates a page whose creation was put off, with its controls, if it still is.
  void CreatePage(ControlView* page);
  // The window that a child of the window's own comes below: the one before it that exists.
  HWND Above(const ControlView& view) const;
  void Layout(const RECT* suggested);
  // The window's outer rectangle at dpi_: at suggested's corner, else centred on the monitor.
  RECT Placement(HMONITOR monitor, const RECT* suggested) const;
  void PlaceWindow(const RECT* suggested);
  // Resizes the window where its client area came out other than the layout's.
  void FitClient();
  ControlView* Find(HWND hwnd) const;
  ControlView* Find(const ui::Control& control) const;
  ControlView* Find(std::string_view name) const;
  HWND FirstFocus() const;
  // Where the focus goes in a page just shown: its first control that takes it.
  HWND FirstFocusIn(HWND page) const;
  // Gives each control with a text its tooltip, once every page exists.
  void AddTips();
  // The tooltip asks for a control's text as it shows it: asked of the model now, so that it
  // tells what is in force now. True when the notification was that.
  bool AnswerTip(NMHDR& header);

  ui::Window& model_;
  HINSTANCE instance_;
  PictureCache& pictures_;
  const WindowDlls& dlls_;
  std::function<void()> close_requested_;
  UniqueHwnd hwnd_;
  std::unique_ptr<FontSet> fonts_;
  std::vector<std::unique_ptr<ControlView>> controls_;
  std::vector<const ImageView*> own_pictures_;
  // The window's own children in stacking order, pictures and pages not yet created among them.
  std::vector<ControlView*> top_level_;
  std::vector<PendingPage> pending_pages_;
  std::vector<HWND> disabled_;
  std::unique_ptr<ToolTips> tips_;
  int dpi_ = 96;
  HWND saved_focus_ = nullptr;
  bool detached_ = false;
  bool destroying_ = false;
  bool destroyed_ = false;
};

}  // namespace quillmar::win32
