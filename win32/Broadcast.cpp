#include "win32/Broadcast.h"

#include <windows.h>

#include <cstdint>

#include "win32/Handles.h"

namespace quillmar::win32 {
namespace {

// The most a caller waits for the windows to answer.
constexpr ULONGLONG kWaitMilliseconds = 2000;
// The most the broadcast waits for one window that has not hung.
constexpr UINT kEachMilliseconds = 5000;

void Tell(WPARAM what, const wchar_t* area) {
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, what, reinterpret_cast<LPARAM>(area),
                      SMTO_ABORTIFHUNG, kEachMilliseconds, &answer);
}

DWORD WINAPI Broadcast(void* metrics) {
  // The shell drops the restrictions it has cached.
  Tell(0, L"Policy");
  if (metrics != nullptr) Tell(SPI_SETNONCLIENTMETRICS, L"WindowMetrics");
  return 0;
}

}  // namespace

void AnnounceSettingChange(bool metrics) {
  void* told_metrics = reinterpret_cast<void*>(static_cast<std::uintptr_t>(metrics));
  const UniqueObject thread(CreateThread(nullptr, 0, Broadcast, told_metrics, 0, nullptr));
  if (!thread) return;
  // Our own windows are among those told: what is sent to them is answered while waiting.
  const ULONGLONG end = GetTickCount64() + kWaitMilliseconds;
  for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
    HANDLE handle = thread.get();
    const DWORD woke =
        MsgWaitForMultipleObjects(1, &handle, FALSE, static_cast<DWORD>(end - now), QS_SENDMESSAGE);
    if (woke != WAIT_OBJECT_0 + 1) return;
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

}  // namespace quillmar::win32
