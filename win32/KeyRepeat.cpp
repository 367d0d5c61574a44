#include "win32/KeyRepeat.h"

namespace quillmar::win32 {
namespace {

// Whether the key message repeats an Enter or Space that would press a button: the focused one,
// or the one a dialog loop turns Enter into. Text boxes and lists keep their repeats.
bool RepeatsAPress(WPARAM key, LPARAM flags) {
  if ((HIWORD(flags) & (KF_REPEAT | KF_UP)) != KF_REPEAT) return false;
  if (key != VK_RETURN && key != VK_SPACE) return false;
  HWND focus = GetFocus();
  if (focus == nullptr) return false;
  MSG message{focus, WM_KEYDOWN, key, flags, 0, {}};
  const LRESULT wants = SendMessageW(focus, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&message));
  return (wants & (key == VK_RETURN ? DLGC_WANTMESSAGE : DLGC_WANTCHARS)) == 0;
}

LRESULT CALLBACK DropRepeatedPresses(int code, WPARAM key, LPARAM flags) {
  if (code == HC_ACTION && RepeatsAPress(key, flags)) return 1;
  return CallNextHookEx(nullptr, code, key, flags);
}

}  // namespace

UniqueHook RefuseRepeatedPresses() {
  return UniqueHook(
      SetWindowsHookExW(WH_KEYBOARD, DropRepeatedPresses, nullptr, GetCurrentThreadId()));
}

}  // namespace quillmar::win32
