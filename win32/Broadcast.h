#pragma once

namespace quillmar::win32 {

// Tells every top-level window that policy values changed, and that the desktop metrics did too
// when `metrics`. Waits at most 2 s in all, answering meanwhile what is sent to this thread's own
// windows; windows that have not answered by then are told in the background while the process
// lasts.
void AnnounceSettingChange(bool metrics);

}  // namespace quillmar::win32
