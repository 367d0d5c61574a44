#pragma once

#include <string>

namespace quillmar::win32 {

// The model's texts are bytes of the system's ANSI code page; the view speaks UTF-16.
std::wstring Widen(const std::string& text);
// Characters the code page cannot hold become its default character.
std::string Narrow(const std::wstring& text);

}  // namespace quillmar::win32
