#include "win32/SystemDlls.h"

namespace quillmar::win32 {

void SearchSystem32Only() {
  const SystemDll kernel32{L"kernel32.dll"};
  const auto set_default =
      kernel32.Find<decltype(SetDefaultDllDirectories)>("SetDefaultDllDirectories");
  // A loader without it still searches the exe's folder first, but no longer the current one.
  if (set_default == nullptr || !set_default(LOAD_LIBRARY_SEARCH_SYSTEM32)) SetDllDirectoryW(L"");
}

SystemDll::SystemDll(const wchar_t* name)
    : module_(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {}

WindowDlls::WindowDlls() {
  // Version 6, as the manifest asks: its side-by-side redirection comes before any search.
  const auto init = comctl32_.Find<decltype(InitCommonControlsEx)>("InitCommonControlsEx");
  INITCOMMONCONTROLSEX classes{sizeof classes,
                               ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  if (init != nullptr) init(&classes);
}

void WindowDlls::SetWindowTheme(HWND window, const wchar_t* app_name,
                                const wchar_t* id_list) const {
  if (set_window_theme_ != nullptr) set_window_theme_(window, app_name, id_list);
}

}  // namespace quillmar::win32
