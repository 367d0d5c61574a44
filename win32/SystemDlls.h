#pragma once

#include <windows.h>

#include <commctrl.h>
#include <uxtheme.h>

#include "win32/Handles.h"

namespace quillmar::win32 {

// Leaves the exe's folder and the current one out of every later search for a DLL, so that none
// planted there is ever loaded: the program's first call.
void SearchSystem32Only();

// A DLL loaded at run time from System32 only and freed with this object; empty where it is
// missing or the loader cannot search System32 alone (Vista, 7 before KB2533623), and then every
// function asked of it is null.
class SystemDll {
 public:
  explicit SystemDll(const wchar_t* name);

  explicit operator bool() const { return static_cast<bool>(module_); }
  // The function of that name as Fn; null where the DLL or the function is missing.
  template <typename Fn>
  Fn* Find(const char* name) const {
    if (!module_) return nullptr;
    return reinterpret_cast<Fn*>(reinterpret_cast<void*>(GetProcAddress(module_.get(), name)));
  }

 private:
  UniqueDll module_;
};

// The DLLs only the window needs, loaded when it opens and held while it is up: the common
// controls, of the version the manifest names, with their classes registered, and UxTheme.
class WindowDlls {
 public:
  WindowDlls();

  // SetWindowTheme; nothing where UxTheme is missing.
  void SetWindowTheme(HWND window, const wchar_t* app_name, const wchar_t* id_list) const;

 private:
  SystemDll comctl32_{L"comctl32.dll"};
  SystemDll uxtheme_{L"uxtheme.dll"};
  decltype(::SetWindowTheme)* set_window_theme_ =
      uxtheme_.Find<decltype(::SetWindowTheme)>("SetWindowTheme");
};

}  // namespace quillmar::win32
