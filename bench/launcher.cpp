// Times programs from CreateProcess to their first visible top-level window, the same way for
// each, and reads the peak working set once the window is up; then closes the program.
// Usage: launcher RUNS SETTLE_MS EXE TITLE [EXE TITLE ...]
// Runs the programs in turn, RUNS rounds after one unreported warm-up round, and prints one JSON
// object a line: {"exe":..., "visible_ms":..., "ready_ms":..., "peak_kib":...}.
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Target {
  std::string exe;
  std::string title;
};

struct Search {
  DWORD pid;
  const std::string* title;
  HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != search.pid || !IsWindowVisible(window)) return TRUE;
  char text[128] = {};
  GetWindowTextA(window, text, sizeof text);
  if (*search.title != text) return TRUE;
  search.found = window;
  return FALSE;
}

class Clock {
 public:
  Clock() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
  }
  double Ms() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) /
           static_cast<double>(frequency_.QuadPart);
  }

 private:
  LARGE_INTEGER frequency_;
  LARGE_INTEGER start_;
};

// False when the program could not be started, ended early or showed nothing within a minute.
bool Measure(const Target& target, DWORD settle_ms, bool report) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string command = "\"" + target.exe + "\"";
  const Clock clock;
  if (!CreateProcessA(target.exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process))
    return false;
  Search search{process.dwProcessId, &target.title, nullptr};
  // The wait on the process doubles as the 1 ms poll interval and notices an early exit.
  while (search.found == nullptr && clock.Ms() < 60000.0) {
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr && WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
  }
  bool ok = search.found != nullptr;
  if (ok) {
    const double visible = clock.Ms();
    // Answered only once the program is back in its message loop, taking input.
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer);
    const double ready = clock.Ms();
    Sleep(settle_ms);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    ok = K32GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory) != FALSE;
    if (ok && report)
      std::printf("{\"exe\":\"%s\",\"visible_ms\":%.3f,\"ready_ms\":%.3f,\"peak_kib\":%llu}\n",
                  target.title.c_str(), visible, ready,
                  static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024));
    PostMessageA(search.found, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, 10000);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5 || argc % 2 == 0) {
    std::fprintf(stderr, "usage: launcher RUNS SETTLE_MS EXE TITLE [EXE TITLE ...]\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const auto settle_ms = static_cast<DWORD>(std::atoi(argv[2]));
  std::vector<Target> targets;
  for (int i = 3; i + 1 < argc; i += 2) targets.push_back({argv[i], argv[i + 1]});
  for (int round = 0; round <= runs; ++round) {
    for (const Target& target : targets) {
      if (!Measure(target, settle_ms, round > 0)) {
        std::fprintf(stderr, "launcher: %s showed no window \"%s\"\n", target.exe.c_str(),
                     target.title.c_str());
        return 1;
      }
      std::fflush(stdout);
    }
  }
  return 0;
}
