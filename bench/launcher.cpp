// Times programs from CreateProcess to their first visible top-level window, the same way for
// each, and reads the peak working set once the window is up. For quillmar.exe it first stores
// a number of typed URLs, and may then drive the real window through the messages its controls
// send: a selection change and "Delete" in the list. Then it closes the program.
// Usage: launcher RUNS SETTLE_MS NAME EXE TITLE URLS ACTIONS [NAME EXE TITLE URLS ACTIONS ...]
// URLS: the typed URLs to store before each start, or - to leave the registry alone; ACTIONS:
// none, list, or urls (the program is started with the argument "urls"). Runs the programs in turn,
// RUNS rounds after one unreported warm-up round, and prints one JSON object a line: {"name":...,
// "reads_ms":..., "visible_ms":..., "ready_ms":..., "painted_ms":..., "peak_kib":...,
// "select_ms":..., "delete_ms":...}: reads_ms the bare advapi32 reads of the stored URLs just
// before the start, each action the median of its repetitions in that run, -1 where not done.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/Probe.h"

namespace {

constexpr int kListRepeats = 11;

struct Target {
  std::string name;
  std::string exe;
  std::string title;
  std::string urls;
  std::string actions;
};

double BareReads() {
  const probe::Clock clock;
  probe::BareUrlReads();
  return clock.Ms();
}

// What the control itself sends its parent when the user uses it.
void Notify(HWND control, WORD code) {
  SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
               reinterpret_cast<LPARAM>(control));
}

// Milliseconds from the start of the action until the window answers again.
template <typename Action>
double Timed(HWND window, Action action) {
  const probe::Clock clock;
  action();
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &answer);
  return clock.Ms();
}

double Median(std::vector<double> v) {
  if (v.empty()) return -1;
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Actions {
  double select = -1;
  double remove = -1;
};

// A selection in the middle of the list, then "Delete" of it, a few times over.
void DriveList(HWND window, Actions& out) {
  HWND list = probe::FindChild(window, "ListBox", nullptr);
  HWND remove = probe::FindChild(window, "Button", "Delete");
  if (list == nullptr || remove == nullptr) return;
  std::vector<double> selects, removes;
  for (int i = 0; i < kListRepeats; ++i) {
    const auto middle = static_cast<WPARAM>(SendMessageA(list, LB_GETCOUNT, 0, 0) / 2);
    selects.push_back(Timed(window, [&] {
      SendMessageA(list, LB_SETCURSEL, middle, 0);
      Notify(list, LBN_SELCHANGE);
    }));
    removes.push_back(Timed(window, [&] { Notify(remove, BN_CLICKED); }));
  }
  out.select = Median(selects);
  out.remove = Median(removes);
}

// False when the program could not be started, ended early or showed nothing within a minute.
bool Measure(const Target& target, DWORD settle_ms, bool report) {
  if (target.urls != "-") probe::StoreUrls(std::atoi(target.urls.c_str()));
  // The registry server settles after thousands of writes before the clock starts.
  Sleep(settle_ms);
  const double reads = target.urls != "-" ? BareReads() : -1;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string command = "\"" + target.exe + "\"";
  // The bare windows read the stored URLs first, as the tweak window's load does.
  if (target.actions == "urls") command += " urls";
  const probe::Clock clock;
  if (!CreateProcessA(target.exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process))
    return false;
  HWND found = nullptr;
  // The wait on the process doubles as the 1 ms poll interval and notices an early exit.
  while (found == nullptr && clock.Ms() < 60000.0) {
    found = probe::FindTop(process.dwProcessId, target.title);
    if (found == nullptr && WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
  }
  bool ok = found != nullptr;
  if (ok) {
    const double visible = clock.Ms();
    // Answered only once the program is back in its message loop, taking input.
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(found, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer);
    const double ready = clock.Ms();
    // Idle once its first paint is done: the paint waits until no input is left.
    WaitForInputIdle(process.hProcess, 10000);
    const double painted = clock.Ms();
    Sleep(settle_ms);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    ok = K32GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory) != FALSE;
    Actions actions;
    if (target.actions == "list") DriveList(found, actions);
    if (ok && report)
      std::printf(
          "{\"name\":\"%s\",\"reads_ms\":%.3f,\"visible_ms\":%.3f,\"ready_ms\":%.3f,"
          "\"painted_ms\":%.3f,\"peak_kib\":%llu,\"select_ms\":%.3f,\"delete_ms\":%.3f}\n",
          target.name.c_str(), reads, visible, ready, painted,
          static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024), actions.select,
          actions.remove);
    PostMessageA(found, WM_CLOSE, 0, 0);
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
  if (argc < 8 || (argc - 3) % 5 != 0) {
    std::fprintf(stderr,
                 "usage: launcher RUNS SETTLE_MS NAME EXE TITLE URLS ACTIONS [NAME EXE TITLE "
                 "URLS ACTIONS ...]\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const auto settle_ms = static_cast<DWORD>(std::atoi(argv[2]));
  std::vector<Target> targets;
  for (int i = 3; i + 4 < argc; i += 5)
    targets.push_back({argv[i], argv[i + 1], argv[i + 2], argv[i + 3], argv[i + 4]});
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
