// `make soak`: starts quillmar.exe STARTS times in a row, each until its tweak window is shown,
// and closes it; then drives one window for MINUTES minutes through its pages, its check boxes,
// Apply and Delete in the typed URL list, the way a user's clicks and keys reach those controls.
// Prints the starts that showed no window, with what the process had on screen, the peak working
// set and the window and GDI object counts of the driven window at the start and at the end.
// Exits 1 when a start showed no window or the driven window grew beyond noise.
// Usage: soak STARTS MINUTES EXE
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/Probe.h"

namespace {

constexpr char kTitle[] = "Quillmar";
constexpr int kUrls = 200;
constexpr double kShowMs = 30000;
// Growth that is noise rather than a leak: a few objects and a working set a tenth larger.
constexpr long kObjectNoise = 8;
constexpr double kMemoryNoise = 1.10;

struct Process {
  PROCESS_INFORMATION info{};
  ~Process() {
    if (info.hProcess == nullptr) return;
    if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) {
      TerminateProcess(info.hProcess, 1);
      WaitForSingleObject(info.hProcess, 10000);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
};

bool Launch(const std::string& exe, Process& process) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string command = "\"" + exe + "\"";
  return CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process.info) != FALSE;
}

// Every top-level window of the process with each of its descendants, shown or not.
std::vector<HWND> WindowsOf(DWORD pid) {
  struct Walk {
    DWORD pid;
    std::vector<HWND> found;
  } walk{pid, {}};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto& w = *reinterpret_cast<Walk*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != w.pid) return TRUE;
        w.found.push_back(window);
        EnumChildWindows(
            window,
            [](HWND child, LPARAM list) -> BOOL {
              reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
              return TRUE;
            },
            reinterpret_cast<LPARAM>(&w.found));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&walk));
  return walk.found;
}

std::string Describe(HWND window) {
  char name[64] = {};
  char text[64] = {};
  GetClassNameA(window, name, sizeof name);
  GetWindowTextA(window, text, sizeof text);
  return std::string(name) + " \"" + text + "\"" + (IsWindowVisible(window) ? " shown" : "");
}

// The GDI objects alive in the process: the used entries of the handle table that Wine, like
// Windows, keeps in each process and points to from its PEB, since GetGuiResources is a stub.
long GdiObjects(HANDLE process) {
  struct Entry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;  // 0: a free entry
    UCHAR flags;
    UINT64 user;
  };
  constexpr std::size_t kEntries = 0x10000;
  constexpr std::size_t kTableInPeb = 0xf8;
  PROCESS_BASIC_INFORMATION basic{};
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) !=
      0)
    return -1;
  UINT64 table = 0;
  if (!ReadProcessMemory(process, reinterpret_cast<const char*>(basic.PebBaseAddress) + kTableInPeb,
                         &table, sizeof table, nullptr) ||
      table == 0)
    return -1;
  std::vector<Entry> entries(kEntries);
  if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(),
                         entries.size() * sizeof(Entry), nullptr))
    return -1;
  return static_cast<long>(
      std::count_if(entries.begin(), entries.end(), [](const Entry& e) { return e.type != 0; }));
}

struct Sample {
  long windows = 0;
  long gdi = 0;
  DWORD gui_user = 0;  // what GetGuiResources says, for the record
  DWORD gui_gdi = 0;
  SIZE_T working_set = 0;
  SIZE_T peak = 0;
};

Sample Measure(const Process& process) {
  Sample s;
  s.windows = static_cast<long>(WindowsOf(process.info.dwProcessId).size());
  s.gdi = GdiObjects(process.info.hProcess);
  s.gui_user = GetGuiResources(process.info.hProcess, GR_USEROBJECTS);
  s.gui_gdi = GetGuiResources(process.info.hProcess, GR_GDIOBJECTS);
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (K32GetProcessMemoryInfo(process.info.hProcess, &memory, sizeof memory)) {
    s.working_set = memory.WorkingSetSize;
    s.peak = memory.PeakWorkingSetSize;
  }
  return s;
}

// The tweak window: "Quillmar" with its tab strip, which the agreement window has not.
HWND WaitForTweakWindow(const Process& process, const probe::Clock& clock) {
  while (clock.Ms() < kShowMs) {
    HWND top = probe::FindTop(process.info.dwProcessId, kTitle);
    if (top != nullptr && probe::FindChild(top, WC_TABCONTROLA, nullptr) != nullptr) return top;
    if (WaitForSingleObject(process.info.hProcess, 1) == WAIT_OBJECT_0) break;
  }
  return nullptr;
}

// Hands a control one message as its own input would, and waits until the program has handled
// it; a message box that comes up meanwhile is answered with its own button. A sent message is
// handled ahead of anything posted, so each step is sent and none overtakes another.
// Returns the number of message boxes answered; throws when the program stops answering.
int Send(const Process& process, HWND control, UINT message, WPARAM w, LPARAM l) {
  bool done = false;
  const auto handled = [](HWND, UINT, ULONG_PTR flag, LRESULT) {
    *reinterpret_cast<bool*>(flag) = true;
  };
  if (!SendMessageCallbackA(control, message, w, l, handled, reinterpret_cast<ULONG_PTR>(&done)))
    return 0;
  std::vector<HWND> answered;
  const probe::Clock clock;
  while (!done) {
    if (clock.Ms() > 30000) throw std::runtime_error("the window stopped answering");
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    for (HWND box : WindowsOf(process.info.dwProcessId)) {
      char name[16] = {};
      GetClassNameA(box, name, sizeof name);
      const bool top = (GetWindowLongA(box, GWL_STYLE) & WS_CHILD) == 0;
      if (!top || !IsWindowVisible(box) || lstrcmpA(name, "#32770") != 0 ||
          std::find(answered.begin(), answered.end(), box) != answered.end())
        continue;
      if (HWND ok = probe::FindChild(box, "Button", nullptr)) PostMessageA(ok, BM_CLICK, 0, 0);
      answered.push_back(box);
    }
  }
  return static_cast<int>(answered.size());
}

struct Drive {
  long cycles = 0;
  long clicks = 0;
  long deleted = 0;
  long boxes = 0;
};

// One round: each page in turn by the arrow keys on the tab strip, each check box shown there
// clicked twice, on the Other page the first address shown selected by a click and deleted,
// then Apply.
void Cycle(const Process& process, HWND window, Drive& drive) {
  HWND tabs = probe::FindChild(window, WC_TABCONTROLA, nullptr);
  HWND list = probe::FindChild(window, "ListBox", nullptr);
  HWND remove = probe::FindChild(window, "Button", "Delete");
  HWND apply = probe::FindChild(window, "Button", "Apply");
  const int pages = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int page = 0; page < pages; ++page) {
    const WPARAM key = page == 0 ? VK_LEFT : VK_RIGHT;
    for (int i = 0; i < (page == 0 ? pages - 1 : 1); ++i) {
      drive.boxes += Send(process, tabs, WM_KEYDOWN, key, 1);
      drive.boxes += Send(process, tabs, WM_KEYUP, key, 0xC0000001);
    }
    for (HWND control : WindowsOf(process.info.dwProcessId)) {
      char name[16] = {};
      GetClassNameA(control, name, sizeof name);
      const LONG style = GetWindowLongA(control, GWL_STYLE);
      if (lstrcmpiA(name, "Button") != 0 || (style & BS_TYPEMASK) != BS_3STATE ||
          !IsWindowVisible(control) || !IsWindowEnabled(control))
        continue;
      for (int i = 0; i < 2; ++i) {
        drive.boxes += Send(process, control, BM_CLICK, 0, 0);
        ++drive.clicks;
      }
    }
    if (list != nullptr && IsWindowVisible(list)) {
      const auto count = SendMessageA(list, LB_GETCOUNT, 0, 0);
      const auto height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
      drive.boxes += Send(process, list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, height / 2));
      drive.boxes += Send(process, list, WM_LBUTTONUP, 0, MAKELPARAM(4, height / 2));
      drive.boxes += Send(process, remove, BM_CLICK, 0, 0);
      drive.deleted += count - SendMessageA(list, LB_GETCOUNT, 0, 0);
    }
  }
  drive.boxes += Send(process, apply, BM_CLICK, 0, 0);
  ++drive.cycles;
}

void SetText(const char* name, const char* text) {
  HKEY key = nullptr;
  if (RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Quillmar", &key) != ERROR_SUCCESS) return;
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                 static_cast<DWORD>(lstrlenA(text) + 1));
  RegCloseKey(key);
}

unsigned long long Kib(SIZE_T bytes) {
  return static_cast<unsigned long long>(bytes / 1024);
}

// The typed URL values "url1", "url2", ... up to the first missing one.
long StoredUrls() {
  HKEY key = nullptr;
  if (RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\TypedURLs", &key) !=
      ERROR_SUCCESS)
    return 0;
  long n = 0;
  while (RegQueryValueExA(key, ("url" + std::to_string(n + 1)).c_str(), nullptr, nullptr, nullptr,
                          nullptr) == ERROR_SUCCESS)
    ++n;
  RegCloseKey(key);
  return n;
}

double Median(std::vector<double> v) {
  if (v.empty()) return -1;
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: soak STARTS MINUTES EXE\n");
    return 2;
  }
  const int starts = std::atoi(argv[1]);
  const double minutes = std::atof(argv[2]);
  const std::string exe = argv[3];
  // A later start, whose Apply ends without a prompt and without a log-off.
  SetText("FirstTime", "First");
  SetText("LogOffBox", "NoPromptNoLogOff");

  int failed = 0;
  std::vector<double> shown_ms, closed_ms;
  SIZE_T start_peak = 0;
  for (int i = 1; i <= starts; ++i) {
    Process process;
    const probe::Clock clock;
    if (!Launch(exe, process)) {
      std::printf("start %d: CreateProcess failed, error %lu\n", i, GetLastError());
      ++failed;
      continue;
    }
    HWND window = WaitForTweakWindow(process, clock);
    if (window == nullptr) {
      ++failed;
      DWORD code = STILL_ACTIVE;
      GetExitCodeProcess(process.info.hProcess, &code);
      std::printf("start %d: no tweak window after %.0f ms, %s %lu; its windows:\n", i, clock.Ms(),
                  code == STILL_ACTIVE ? "still running" : "exited with", code);
      for (HWND w : WindowsOf(process.info.dwProcessId))
        std::printf("  %p %s\n", static_cast<void*>(w), Describe(w).c_str());
      continue;
    }
    shown_ms.push_back(clock.Ms());
    start_peak = std::max(start_peak, Measure(process).peak);
    const probe::Clock closing;
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.info.hProcess, 10000) != WAIT_OBJECT_0) {
      ++failed;
      std::printf("start %d: still running 10 s after WM_CLOSE\n", i);
    }
    closed_ms.push_back(closing.Ms());
  }
  std::printf("starts: %d, without a window or not closed: %d\n", starts, failed);
  if (!shown_ms.empty())
    std::printf(
        "shown after: median %.0f ms, slowest %.0f ms; closed after: median %.0f ms, "
        "slowest %.0f ms; peak working set of a start: %llu KiB at most\n",
        Median(shown_ms), *std::max_element(shown_ms.begin(), shown_ms.end()), Median(closed_ms),
        *std::max_element(closed_ms.begin(), closed_ms.end()), Kib(start_peak));

  probe::StoreUrls(kUrls);
  Process process;
  const probe::Clock clock;
  HWND window = Launch(exe, process) ? WaitForTweakWindow(process, clock) : nullptr;
  if (window == nullptr) {
    std::printf("driven window: not shown\n");
    return 1;
  }
  Drive drive;
  Sample first;
  probe::Clock driving;
  try {
    Cycle(process, window, drive);  // every page has been shown once: what follows must stay flat
    first = Measure(process);
    driving.Restart();
    while (driving.Ms() < minutes * 60000 && IsWindow(window)) Cycle(process, window, drive);
  } catch (const std::exception& e) {
    std::printf("driven window: %s in round %ld\n", e.what(), drive.cycles + 1);
    return 1;
  }
  const Sample last = Measure(process);
  HWND list = probe::FindChild(window, "ListBox", nullptr);
  const long listed = static_cast<long>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  PostMessageA(window, WM_CLOSE, 0, 0);

  std::printf(
      "driven window: %.1f min, %ld rounds, %ld check box clicks, %ld addresses deleted, "
      "%ld message boxes answered\n",
      driving.Ms() / 60000, drive.cycles, drive.clicks, drive.deleted, drive.boxes);
  std::printf("%-34s %10s %10s\n", "", "start", "end");
  std::printf("%-34s %10llu %10llu\n", "peak working set, KiB", Kib(first.peak), Kib(last.peak));
  std::printf("%-34s %10llu %10llu\n", "working set, KiB", Kib(first.working_set),
              Kib(last.working_set));
  std::printf("%-34s %10ld %10ld\n", "USER: windows of the process", first.windows, last.windows);
  std::printf("%-34s %10ld %10ld\n", "GDI: used handle table entries", first.gdi, last.gdi);
  std::printf("%-34s %10lu %10lu\n", "GetGuiResources USER / GDI", first.gui_user, last.gui_user);
  std::printf("%-34s %10lu %10lu\n", "", first.gui_gdi, last.gui_gdi);
  const bool grew = last.windows > first.windows + kObjectNoise ||
                    last.gdi > first.gdi + kObjectNoise ||
                    static_cast<double>(last.peak) > static_cast<double>(first.peak) * kMemoryNoise;
  if (grew) std::printf("the driven window grew beyond noise\n");
  // Apply rewrote the history as the list shows it, after every deletion.
  const long stored = StoredUrls();
  const bool applied = drive.deleted > 0 && stored == listed && stored == kUrls - drive.deleted;
  std::printf("typed addresses: %d stored before, %ld listed and %ld stored after the last Apply\n",
              kUrls, listed, stored);
  return failed > 0 || grew || !applied ? 1 : 0;
}
