#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "regfile/TextCodec.h"
#include "registry/RegistryBackend.h"

namespace quillmar {

// What the command line needs of the platform.
class CommandPlatform {
 public:
  virtual ~CommandPlatform() = default;
  // The whole file, or false with the reason in `why`.
  virtual bool ReadFile(const std::u16string& name, std::string& bytes, std::string& why) = 0;
  // Replaces the file only once the new one is complete; false with the reason in `why`.
  virtual bool ReplaceFile(const std::u16string& name, const std::string& bytes,
                           std::string& why) = 0;
  // One line each, without its line end.
  virtual void Out(const std::u16string& line) = 0;
  virtual void Err(const std::u16string& line) = 0;
  virtual TextCodec& codec() = 0;
  virtual RegistryBackend& registry() = 0;
  virtual int PlatformId() = 0;
  // What an export records as the time its preference items were changed.
  virtual std::chrono::system_clock::time_point Now() { return std::chrono::system_clock::now(); }
  // Tells running programs that policy values changed, and the desktop metrics too when
  // `metrics`; returns within 2 s, whether they answer or not.
  virtual void SettingsChanged(bool metrics) = 0;
};

// The exit statuses of the command line.
inline constexpr int kDone = 0;
inline constexpr int kSomeRefused = 1;
inline constexpr int kBadInput = 2;
inline constexpr int kDiffers = 3;  // --check: the file is not what is in force

// Runs the options that follow the program's name: --export FILE, --import FILE [--dry-run],
// --check FILE, --status [--json], --help, --version. Never opens a window.
int RunCommand(const std::vector<std::u16string>& args, CommandPlatform& platform);

// ANSI bytes for the console; a byte the code page cannot show becomes '?'.
std::u16string ConsoleText(TextCodec& codec, std::string_view ansi);

}  // namespace quillmar
