// The stack protector's guard and failure, in every program of the Windows build in place of
// libssp's: its guard asks the crypto provider at each start, before main (some 60 ms under
// Wine), loading DLLs by name before the program can say from where. The checked copies of
// _FORTIFY_SOURCE still come from libssp where a call needs one, and fail through __chk_fail.
#include "win32/StackGuard.h"

#include <windows.h>

extern "C" {

// The tests and the bench programs never seed it and keep this fixed one.
void* __stack_chk_guard = nullptr;

// A smashed stack or an overflowing copy ends the process at once, before any handler runs.
[[noreturn]] void __stack_chk_fail() {
  TerminateProcess(GetCurrentProcess(), STATUS_STACK_BUFFER_OVERRUN);
  __builtin_trap();
}

[[noreturn]] void __chk_fail() {
  __stack_chk_fail();
}

}  // extern "C"
