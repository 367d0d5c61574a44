#include "win32/ControlClass.h"

#include <commctrl.h>

namespace quillmar::win32 {
namespace {

// Tall enough for two lines of text: the caption wraps instead of running off the edge.
constexpr int kTwoLines = 450;

DWORD LabelStyle(const ui::ControlSpec& spec) {
  DWORD style = SS_NOPREFIX | (spec.align == ui::Align::kCentre ? SS_CENTER : SS_LEFT);
  if (spec.clickable) style |= SS_NOTIFY;
  return style;
}

DWORD TextBoxStyle(const ui::ControlSpec& spec) {
  // The one several-line box is the agreement, which nothing reads back: read-only, focusable.
  if (spec.wrap) return WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY;
  return WS_TABSTOP | ES_AUTOHSCROLL;
}

DWORD Lines(const ui::ControlSpec& spec) {
  return spec.rect.height >= kTwoLines ? BS_MULTILINE : 0;
}

}  // namespace

ClassStyle ClassStyleFor(const ui::ControlSpec& spec) {
  ClassStyle c{L"STATIC", 0, 0};
  switch (spec.kind) {
    case ui::Kind::kLabel:
      c.style = LabelStyle(spec);
      break;
    case ui::Kind::kButton:
      c = {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
      break;
    case ui::Kind::kCheckBox:
      c = {L"BUTTON", WS_TABSTOP | BS_3STATE | Lines(spec), 0};
      break;
    case ui::Kind::kOptionButton:
      c = {L"BUTTON", BS_RADIOBUTTON | Lines(spec), 0};
      break;
    case ui::Kind::kTextBox:
      c = {L"EDIT", TextBoxStyle(spec), WS_EX_CLIENTEDGE};
      break;
    case ui::Kind::kListBox:
      c = {L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
           WS_EX_CLIENTEDGE};
      break;
    case ui::Kind::kSlider:
      c = {TRACKBAR_CLASSW, WS_TABSTOP | TBS_HORZ | TBS_NOTICKS, 0};
      break;
    case ui::Kind::kTabStrip:
      c = {WC_TABCONTROLW, WS_TABSTOP, 0};
      break;
    case ui::Kind::kFrame:
    case ui::Kind::kPanel:
      c = {kContainerClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
      break;
    case ui::Kind::kImage:  // drawn by its parent, never a window of its own
      break;
  }
  c.style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (!spec.enabled) c.style |= WS_DISABLED;
  return c;
}

}  // namespace quillmar::win32
