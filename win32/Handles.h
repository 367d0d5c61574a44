#pragma once

#include <windows.h>

#include <utility>

namespace quillmar::win32 {

// Owns one handle and releases it with Close; the null handle is never released.
template <typename T, auto Close>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(T handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  T get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  T release() { return std::exchange(handle_, nullptr); }
  void reset(T handle = nullptr) {
    if (handle_ != nullptr) Close(handle_);
    handle_ = handle;
  }

 private:
  T handle_ = nullptr;
};

inline void DestroyHwnd(HWND h) {
  DestroyWindow(h);
}
inline void DeleteGdiObject(HGDIOBJ h) {
  DeleteObject(h);
}
inline void Unhook(HHOOK h) {
  UnhookWindowsHookEx(h);
}
inline void FreeDll(HMODULE h) {
  FreeLibrary(h);
}
inline void CloseKernelObject(HANDLE h) {
  CloseHandle(h);
}

using UniqueHwnd = UniqueHandle<HWND, DestroyHwnd>;
using UniqueFont = UniqueHandle<HFONT, DeleteGdiObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteGdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteGdiObject>;
using UniqueHook = UniqueHandle<HHOOK, Unhook>;
using UniqueDll = UniqueHandle<HMODULE, FreeDll>;
// A file, a thread: a kernel object's handle.
using UniqueObject = UniqueHandle<HANDLE, CloseKernelObject>;

}  // namespace quillmar::win32
