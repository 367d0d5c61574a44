#include "win32/Win32Commands.h"

#include <windows.h>

#include "app/Commands.h"
#include "registry/Win32Registry.h"
#include "win32/AnsiCodec.h"
#include "win32/Broadcast.h"
#include "win32/Handles.h"
#include "win32/Win32Host.h"

namespace quillmar::win32 {
namespace {

UniqueObject OpenFile(const std::u16string& name, DWORD access, DWORD disposition) {
  HANDLE h = CreateFileW(reinterpret_cast<LPCWSTR>(name.c_str()), access, FILE_SHARE_READ, nullptr,
                         disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  return UniqueObject(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

std::string Failed(const char* what) {
  return std::string(what) + " (error " + std::to_string(GetLastError()) + ")";
}

// A file larger than this is no registry file of this program's.
constexpr LONGLONG kMaxFileSize = 256LL << 20;

class Win32CommandPlatform final : public CommandPlatform {
 public:
  Win32CommandPlatform() {
    // Output reaches the console the program was started from, or wherever it was redirected.
    AttachConsole(ATTACH_PARENT_PROCESS);
  }

  bool ReadFile(const std::u16string& name, std::string& bytes, std::string& why) override {
    UniqueObject file = OpenFile(name, GENERIC_READ, OPEN_EXISTING);
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size))
      return (why = Failed("cannot be opened"), false);
    if (size.QuadPart > kMaxFileSize) return (why = "is larger than 256 MB", false);
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() &&
        (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size()))
      return (why = Failed("cannot be read"), false);
    return true;
  }

  // Written to a new file beside it, which then takes its place in one step.
  bool ReplaceFile(const std::u16string& name, const std::string& bytes,
                   std::string& why) override {
    const auto* target = reinterpret_cast<LPCWSTR>(name.c_str());
    wchar_t full[MAX_PATH], temp[MAX_PATH];
    wchar_t* file_part = nullptr;
    const DWORD length = GetFullPathNameW(target, MAX_PATH, full, &file_part);
    if (length == 0 || length >= MAX_PATH || file_part == nullptr)
      return (why = Failed("is not a file name"), false);
    *file_part = L'\0';
    if (!GetTempFileNameW(full, L"qmr", 0, temp))
      return (why = Failed("cannot be created in its folder"), false);
    bool written = false;
    if (UniqueObject file = OpenFile(std::u16string(reinterpret_cast<char16_t*>(temp)),
                                     GENERIC_WRITE, CREATE_ALWAYS)) {
      DWORD done = 0;
      written =
          ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) &&
          done == bytes.size() && FlushFileBuffers(file.get());
    }
    if (written && MoveFileExW(temp, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return true;
    why = Failed("cannot be written");
    DeleteFileW(temp);
    return false;
  }

  void Out(const std::u16string& line) override { Write(STD_OUTPUT_HANDLE, line); }
  void Err(const std::u16string& line) override { Write(STD_ERROR_HANDLE, line); }
  TextCodec& codec() override { return codec_; }
  RegistryBackend& registry() override { return registry_; }
  int PlatformId() override { return SystemPlatformId(); }
  void SettingsChanged(bool metrics) override { AnnounceSettingChange(metrics); }

 private:
  // To a console as UTF-16; to a file or pipe as ANSI bytes.
  static void Write(DWORD which, const std::u16string& line) {
    HANDLE h = GetStdHandle(which);
    if (h == nullptr || h == INVALID_HANDLE_VALUE) return;
    const std::u16string text = line + u"\r\n";
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    DWORD mode = 0, done = 0;
    if (GetConsoleMode(h, &mode)) {
      WriteConsoleW(h, wide, static_cast<DWORD>(length), &done, nullptr);
      return;
    }
    const int size = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, length, bytes.data(), size, nullptr, nullptr);
    ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
  }

  AnsiCodec codec_;
  Win32Registry registry_;
};

}  // namespace

int RunCommandLine(const std::vector<std::u16string>& args) {
  Win32CommandPlatform platform;
  return RunCommand(args, platform);
}

}  // namespace quillmar::win32
