#include <windows.h>

#include <ntsecapi.h>

#include <string>
#include <vector>

#include "app/Start.h"
#include "registry/Module1.h"
#include "registry/Win32Registry.h"
#include "ui/Forms.h"
#include "win32/KeyRepeat.h"
#include "win32/StackGuard.h"
#include "win32/SystemDlls.h"
#include "win32/Win32Commands.h"
#include "win32/Win32Host.h"

namespace {

int Run(HINSTANCE instance) {
  using namespace quillmar;
  const auto held_keys = win32::RefuseRepeatedPresses();
  Win32Registry registry;
  Module1 module{registry};
  win32::Win32Host host{instance};
  ui::Forms forms{host};
  host.Attach(forms);
  RegisterWindows(forms, module);
  Start(forms);
  host.Collect();
  forms.Collect();
  // The program ends when its last window has closed.
  MSG message;
  while (forms.AnyOpen() && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!host.PreTranslate(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    host.Collect();
    forms.Collect();
  }
  return 0;
}

// The options after the program's name; none starts the window. The shell's parser is loaded
// only when there are some, so that the window's start-up never waits for that library.
std::vector<std::u16string> Options(PCWSTR arguments) {
  std::vector<std::u16string> options;
  while (*arguments == L' ' || *arguments == L'\t') ++arguments;
  if (*arguments == L'\0') return options;
  const quillmar::win32::SystemDll shell32{L"shell32.dll"};
  const auto parse = shell32.Find<decltype(CommandLineToArgvW)>("CommandLineToArgvW");
  int count = 0;
  LPWSTR* argv = parse != nullptr ? parse(GetCommandLineW(), &count) : nullptr;
  for (int i = 1; argv != nullptr && i < count; ++i)
    options.emplace_back(reinterpret_cast<const char16_t*>(argv[i]));
  // Unparsed options are still options: never a window.
  if (argv == nullptr) options.emplace_back(reinterpret_cast<const char16_t*>(arguments));
  LocalFree(argv);
  return options;
}

// A random guard for the stack protector, which must not check this frame. Looked up only now:
// on Windows advapi32 forwards it to cryptbase.dll, which the loader looks for by name.
[[gnu::no_stack_protector]] void SeedStackGuard() {
  const quillmar::win32::SystemDll advapi32{L"advapi32.dll"};
  if (const auto random = advapi32.Find<decltype(RtlGenRandom)>("SystemFunction036"))
    random(&__stack_chk_guard, sizeof __stack_chk_guard);
}

// Kept out of wWinMain, whose frame the stack protector leaves unchecked.
[[gnu::noinline]] int Main(HINSTANCE instance, PCWSTR arguments) {
  try {
    if (const auto options = Options(arguments); !options.empty())
      return quillmar::win32::RunCommandLine(options);
    return Run(instance);
  } catch (...) {
    return 1;
  }
}

}  // namespace

// Before anything can load a DLL by name, DLLs come from System32 only; then the stack guard is
// seeded, which no frame alive across it may check.
[[gnu::no_stack_protector]] int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments,
                                                int) {
  quillmar::win32::SearchSystem32Only();
  SeedStackGuard();
  return Main(instance, arguments);
}
