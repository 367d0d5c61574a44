// Form4's load and Apply on the real registry, timed against the bare floor: the very same
// advapi32 calls, recorded once through a decorator and replayed raw, with nothing around them.
// Apply is also timed through the real window: its button's click and all that it queued; the
// command line's export and import, each file held in memory, against their recorded calls too.
// Prints one JSON object: {"scenarios":[...]}. Usage: registry_bench [ITERATIONS]
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/Commands.h"
#include "app/QuietHost.h"
#include "app/Start.h"
#include "registry/Module1.h"
#include "registry/Win32Registry.h"
#include "tweak/Form4.h"
#include "ui/Forms.h"
#include "win32/AnsiCodec.h"
#include "win32/Win32Host.h"

namespace {

using namespace quillmar;

enum class Op { kOpen, kCreate, kQuery, kSet, kDelete, kClose };

// A key as the replay finds it: a predefined root, the null handle, or the handle that an
// earlier open or create put in a slot.
struct KeyRef {
  RegHandle root = 0;
  int slot = -1;
};

struct Call {
  Call(Op o, KeyRef k, std::string t = {}) : op(o), key(k), text(std::move(t)) {}
  Op op;
  KeyRef key;
  std::string text;  // the path to open or create, or the value name
  int out_slot = -1;
  DWORD type = 0;
  std::vector<BYTE> data;
  bool want_type = false, want_data = false, want_size = false;
  DWORD size = 0;
  LONG result = 0;
};

// Forwards to advapi32 and, while on, writes down every call with its arguments and result.
class Recorder final : public RegistryBackend {
 public:
  explicit Recorder(RegistryBackend& inner) : inner_(inner) {}

  std::int32_t OpenKey(RegHandle root, const std::string& path, RegHandle& key) override {
    return Opened(Op::kOpen, root, path, key, inner_.OpenKey(root, path, key));
  }
  std::int32_t CreateKey(RegHandle root, const std::string& path, RegHandle& key) override {
    return Opened(Op::kCreate, root, path, key, inner_.CreateKey(root, path, key));
  }
  std::int32_t QueryValue(RegHandle key, const std::string& name, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* size) override {
    Call call{Op::kQuery, Ref(key), name};
    call.want_type = type != nullptr;
    call.want_data = data != nullptr;
    call.want_size = size != nullptr;
    call.size = size != nullptr ? *size : 0;
    return Record(std::move(call), inner_.QueryValue(key, name, type, data, size));
  }
  std::int32_t SetValue(RegHandle key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override {
    Call call{Op::kSet, Ref(key), name};
    call.type = type;
    call.data.assign(data, data + size);
    return Record(std::move(call), inner_.SetValue(key, name, type, data, size));
  }
  std::int32_t DeleteValue(RegHandle key, const std::string& name) override {
    return Record({Op::kDelete, Ref(key), name}, inner_.DeleteValue(key, name));
  }
  std::int32_t CloseKey(RegHandle key) override {
    const std::int32_t result = Record({Op::kClose, Ref(key)}, inner_.CloseKey(key));
    open_.erase(key);
    return result;
  }

  bool on = false;
  std::vector<Call> calls;
  int slots = 0;

 private:
  KeyRef Ref(RegHandle key) const {
    if (key == kClassesRoot || key == kCurrentUser || key == kLocalMachine) return {key};
    const auto it = open_.find(key);
    return it == open_.end() ? KeyRef{} : KeyRef{0, it->second};
  }
  std::int32_t Opened(Op op, RegHandle root, const std::string& path, RegHandle key,
                      std::int32_t result) {
    if (!on) return result;
    Call call{op, Ref(root), path};
    call.out_slot = slots++;
    if (result == kSuccess) open_[key] = call.out_slot;
    return Record(std::move(call), result);
  }
  std::int32_t Record(Call call, std::int32_t result) {
    if (!on) return result;
    call.result = result;
    calls.push_back(std::move(call));
    return result;
  }

  RegistryBackend& inner_;
  std::map<RegHandle, int> open_;
};

HKEY Hkey(const KeyRef& key, const std::vector<HKEY>& slots) {
  if (key.root == kClassesRoot) return HKEY_CLASSES_ROOT;
  if (key.root == kCurrentUser) return HKEY_CURRENT_USER;
  if (key.root == kLocalMachine) return HKEY_LOCAL_MACHINE;
  return key.slot < 0 ? nullptr : slots[static_cast<std::size_t>(key.slot)];
}

// The floor: the recorded calls straight to advapi32. Returns how many results differ from the
// recording, which would mean the two runs did not do the same work.
int Replay(const std::vector<Call>& calls, std::vector<HKEY>& slots, std::vector<BYTE>& buffer) {
  int mismatches = 0;
  for (const Call& c : calls) {
    const HKEY key = Hkey(c.key, slots);
    LONG result = 0;
    switch (c.op) {
      case Op::kOpen:
        result = RegOpenKeyA(key, c.text.c_str(), &slots[static_cast<std::size_t>(c.out_slot)]);
        break;
      case Op::kCreate:
        result = RegCreateKeyA(key, c.text.c_str(), &slots[static_cast<std::size_t>(c.out_slot)]);
        break;
      case Op::kQuery: {
        DWORD type = 0;
        DWORD size = c.size;
        result =
            RegQueryValueExA(key, c.text.c_str(), nullptr, c.want_type ? &type : nullptr,
                             c.want_data ? buffer.data() : nullptr, c.want_size ? &size : nullptr);
        break;
      }
      case Op::kSet:
        result = RegSetValueExA(key, c.text.c_str(), 0, c.type, c.data.data(),
                                static_cast<DWORD>(c.data.size()));
        break;
      case Op::kDelete:
        result = RegDeleteValueA(key, c.text.c_str());
        break;
      case Op::kClose:
        result = RegCloseKey(key);
        break;
    }
    mismatches += result != c.result ? 1 : 0;
  }
  return mismatches;
}

double Microseconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
      .count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Scenario {
  const char* name;
  bool apply;           // Apply on a loaded window; otherwise the load itself
  int divisor;          // fewer iterations for the long ones
  bool window = false;  // Apply through the real window's button
};

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// The click as the button reports it to its parent, then everything it left in the queue.
void Click(HWND button) {
  SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
  Pump();
}

// The program with its real windows: Form4 shown by the program's own host.
struct WindowProgram {
  explicit WindowProgram(RegistryBackend& registry)
      : module(registry), host(GetModuleHandleW(nullptr)), forms(host) {
    host.Attach(forms);
    RegisterWindows(forms, module);
  }
  // The Apply button of the shown window; null when it could not be shown.
  HWND Open() {
    ui::Window* window = forms.Load("Form4");
    if (window == nullptr) return nullptr;
    forms.Show(*window, false);
    Pump();
    win32::WindowView* view = host.Find(*window);
    return view != nullptr ? view->Handle("BtnApply") : nullptr;
  }
  Module1 module;
  win32::Win32Host host;
  ui::Forms forms;
};

// What a window needs to load: the registry helpers, a quiet host and the window list.
struct Program {
  explicit Program(RegistryBackend& registry) : module(registry), forms(host) {}
  Module1 module;
  QuietHost host{2};
  ui::Forms forms;
};

void Report(const char* name, int n, const std::vector<Call>& calls, int mismatches,
            const std::vector<double>& ours, const std::vector<double>& bare, bool last) {
  std::map<Op, int> counts;
  for (const Call& c : calls) ++counts[c.op];
  std::printf(
      "  {\"name\":\"%s\",\"iterations\":%d,\"calls\":%zu,\"opens\":%d,\"creates\":%d,"
      "\"queries\":%d,\"sets\":%d,\"deletes\":%d,\"closes\":%d,\"replay_mismatches\":%d,"
      "\"ours_us\":%.1f,\"bare_us\":%.1f}%s\n",
      name, n, calls.size(), counts[Op::kOpen], counts[Op::kCreate], counts[Op::kQuery],
      counts[Op::kSet], counts[Op::kDelete], counts[Op::kClose], mismatches, Median(ours),
      Median(bare), last ? "" : ",");
  std::fflush(stdout);
}

void RunScenario(const Scenario& s, int iterations, Win32Registry& win32, bool last) {
  Recorder recorder(win32);
  Program recorded(recorder);
  Form4 window(recorded.forms, recorded.module);
  recorder.on = !s.apply;
  window.Form_Load();
  if (s.apply) {
    window.BtnApply_Click();
    recorder.on = true;
    window.BtnApply_Click();
  }
  recorder.on = false;

  std::vector<HKEY> slots(static_cast<std::size_t>(recorder.slots));
  std::size_t largest = 0;
  for (const Call& c : recorder.calls) largest = std::max<std::size_t>(largest, c.size);
  std::vector<BYTE> buffer(largest);
  const int mismatches = Replay(recorder.calls, slots, buffer);

  Program product(win32);
  Form4 loaded(product.forms, product.module);
  if (s.apply) {
    loaded.Form_Load();
    loaded.BtnApply_Click();
  }
  std::unique_ptr<WindowProgram> shown;
  HWND apply = nullptr;
  if (s.window) {
    shown = std::make_unique<WindowProgram>(win32);
    apply = shown->Open();
    if (apply == nullptr) {
      std::fprintf(stderr, "registry_bench: no window to click Apply in\n");
      std::exit(1);
    }
    Click(apply);
  }
  std::vector<double> ours, bare;
  const int n = std::max(5, iterations / s.divisor);
  for (int i = 0; i < n; ++i) {
    if (s.window) {
      ours.push_back(Microseconds([&] { Click(apply); }));
    } else if (s.apply) {
      ours.push_back(Microseconds([&] { loaded.BtnApply_Click(); }));
    } else {
      Form4 fresh(product.forms, product.module);
      ours.push_back(Microseconds([&] { fresh.Form_Load(); }));
    }
    bare.push_back(Microseconds([&] { Replay(recorder.calls, slots, buffer); }));
  }

  Report(s.name, n, recorder.calls, mismatches, ours, bare, last);
}

// The command line with its files in memory and its output dropped.
class BenchPlatform final : public CommandPlatform {
 public:
  explicit BenchPlatform(RegistryBackend& registry) : registry_(registry) {}
  bool ReadFile(const std::u16string& name, std::string& bytes, std::string&) override {
    bytes = files[name];
    return true;
  }
  bool ReplaceFile(const std::u16string& name, const std::string& bytes, std::string&) override {
    files[name] = bytes;
    return true;
  }
  void Out(const std::u16string&) override {}
  void Err(const std::u16string&) override {}
  TextCodec& codec() override { return codec_; }
  RegistryBackend& registry() override { return registry_; }
  int PlatformId() override { return 2; }
  // What other programs do when told is no work of the import's registry calls.
  void SettingsChanged(bool) override {}

  std::map<std::u16string, std::string> files;

 private:
  RegistryBackend& registry_;
  win32::AnsiCodec codec_;
};

// The file with every "page" of its UTF-16LE text turned into "gage".
std::string Regage(std::string file) {
  const std::string page("p\0a\0g\0e\0", 8);
  for (std::size_t at = file.find(page); at != std::string::npos; at = file.find(page, at + 8))
    file[at] = 'g';
  return file;
}

// --export of the stored settings; --import of two files that each replace every typed URL of
// the other, in turn, so that each round writes the same values.
void RunCommands(int iterations, Win32Registry& win32) {
  Recorder recorder(win32);
  BenchPlatform recorded(recorder);
  BenchPlatform product(win32);
  const std::vector<std::vector<std::u16string>> commands = {
      {u"--export", u"x.reg"}, {u"--import", u"b.reg"}, {u"--import", u"a.reg"}};
  RunCommand(commands[0], product);
  const std::string a = product.files[u"x.reg"];
  for (BenchPlatform* platform : {&recorded, &product}) {
    platform->files[u"a.reg"] = a;
    platform->files[u"b.reg"] = Regage(a);
  }
  std::vector<std::vector<Call>> recordings;
  for (const auto& command : commands) {
    recorder.calls.clear();
    recorder.on = true;
    RunCommand(command, recorded);
    recorder.on = false;
    recordings.push_back(recorder.calls);
  }
  std::vector<HKEY> slots(static_cast<std::size_t>(recorder.slots));
  std::size_t largest = 0;
  for (const auto& calls : recordings)
    for (const Call& c : calls) largest = std::max<std::size_t>(largest, c.size);
  std::vector<BYTE> buffer(largest);
  int mismatches = 0;
  for (const auto& calls : recordings) mismatches += Replay(calls, slots, buffer);
  const int n = std::max(5, iterations / 20);
  for (const bool import : {false, true}) {
    const std::size_t first = import ? 1 : 0;
    const std::size_t end = import ? 3 : 1;
    std::vector<double> ours, bare;
    for (int i = 0; i < n; ++i) {
      ours.push_back(Microseconds([&] {
        for (std::size_t c = first; c < end; ++c) RunCommand(commands[c], product);
      }));
      bare.push_back(Microseconds([&] {
        for (std::size_t c = first; c < end; ++c) Replay(recordings[c], slots, buffer);
      }));
    }
    std::vector<Call> calls;
    for (std::size_t c = first; c < end; ++c)
      calls.insert(calls.end(), recordings[c].begin(), recordings[c].end());
    Report(import ? "import_2000_urls" : "export_2000_urls", n, calls, mismatches, ours, bare,
           import);
  }
}

// Every catalogue value present, the log-off choice silent and exactly `urls` typed URLs, as
// after an earlier Apply.
void Prepare(Win32Registry& win32, int urls) {
  constexpr char kTypedUrls[] = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
  Program program(win32);
  program.module.SaveValue(kCurrentUser, "Software\\Quillmar", "LogOffBox",
                           std::string("NoPromptNoLogOff"));
  for (int i = 1; i <= urls; ++i)
    program.module.SaveValue(kCurrentUser, kTypedUrls, "url" + std::to_string(i),
                             "http://www.example.com/page" + std::to_string(i) + ".html");
  // Left over from an earlier run.
  HKEY key = nullptr;
  if (RegOpenKeyA(HKEY_CURRENT_USER, kTypedUrls, &key) == ERROR_SUCCESS) {
    int i = urls + 1;
    while (RegDeleteValueA(key, ("url" + std::to_string(i)).c_str()) == ERROR_SUCCESS) ++i;
    RegCloseKey(key);
  }
  Form4 window(program.forms, program.module);
  window.Form_Load();
  window.BtnApply_Click();
}

}  // namespace

int main(int argc, char** argv) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  const int iterations = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  Win32Registry win32;
  std::printf("{\"scenarios\":[\n");
  Prepare(win32, 0);
  RunScenario({"load", false, 1}, iterations, win32, false);
  RunScenario({"apply", true, 1}, iterations, win32, false);
  Prepare(win32, 2000);
  RunScenario({"load_2000_urls", false, 20}, iterations, win32, false);
  RunScenario({"apply_2000_urls", true, 20}, iterations, win32, false);
  RunScenario({"apply_2000_urls_window", true, 20, true}, iterations, win32, false);
  RunCommands(iterations, win32);
  std::printf("]}\n");
  return 0;
}
