#pragma once

#include <string>
#include <vector>

namespace quillmar::win32 {

// The command line's options run against the real registry, files and console; the exit status.
int RunCommandLine(const std::vector<std::u16string>& args);

}  // namespace quillmar::win32
