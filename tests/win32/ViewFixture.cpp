#include "tests/win32/ViewFixture.h"

#include <windows.h>

#include <commctrl.h>

#include "app/Start.h"

namespace quillmar::test {

ViewTest::ViewTest() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  host.Attach(forms);
  RegisterWindows(forms, module);
}

ViewTest::~ViewTest() {
  for (const char* name : {"Form4", "Form7", "Form5"})
    while (ui::Window* open = forms.Find(name)) forms.Close(*open);
  host.Collect();
  forms.Collect();
}

win32::WindowView& ViewTest::Open(const std::string& name) {
  ui::Window* window = forms.Load(name);
  if (window == nullptr) throw std::runtime_error("no window " + name);
  win32::WindowView* view = host.Realize(*window);
  if (view == nullptr) throw std::runtime_error("no view of " + name);
  return *view;
}

HWND ViewTest::Control(const std::string& window, const std::string& control) {
  ui::Window* open = forms.Find(window);
  win32::WindowView* view = open != nullptr ? host.Find(*open) : nullptr;
  return view != nullptr ? view->Handle(control) : nullptr;
}

void ViewTest::Command(HWND control, WORD code) {
  const int id = GetDlgCtrlID(control);
  SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(id, code),
               reinterpret_cast<LPARAM>(control));
}

LRESULT ViewTest::Notify(HWND control, UINT code) {
  NMHDR header{control, static_cast<UINT_PTR>(GetDlgCtrlID(control)), code};
  return SendMessageW(GetParent(control), WM_NOTIFY, header.idFrom,
                      reinterpret_cast<LPARAM>(&header));
}

void ViewTest::Scroll(HWND slider, WORD code) {
  const auto position = static_cast<WORD>(SendMessageW(slider, TBM_GETPOS, 0, 0));
  SendMessageW(GetParent(slider), WM_HSCROLL, MAKEWPARAM(code, position),
               reinterpret_cast<LPARAM>(slider));
}

void ViewTest::Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace quillmar::test
