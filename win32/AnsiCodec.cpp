#include "win32/AnsiCodec.h"

#include <windows.h>

#include <cstdint>

namespace quillmar::win32 {
namespace {

// Every ANSI code page holds ASCII as it is, so most texts need no call at all.
template <typename From, typename To>
bool Ascii(From text, To& out) {
  out.resize(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (static_cast<std::uint16_t>(text[i]) >= 0x80) return false;
    out[i] = static_cast<typename To::value_type>(text[i]);
  }
  return true;
}

}  // namespace

bool AnsiCodec::ToAnsi(std::u16string_view text, std::string& out) {
  if (Ascii(text, out)) return true;
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  BOOL used_default = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0,
                                       nullptr, &used_default);
  if (size <= 0 || used_default) return false;
  out.resize(static_cast<std::size_t>(size));
  return WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, out.data(), size, nullptr,
                             &used_default) == size &&
         !used_default;
}

bool AnsiCodec::FromAnsi(std::string_view text, std::u16string& out) {
  if (Ascii(text, out)) return true;
  const int length = static_cast<int>(text.size());
  const int size =
      MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
  if (size <= 0) return false;
  out.resize(static_cast<std::size_t>(size));
  return MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), length,
                             reinterpret_cast<wchar_t*>(out.data()), size) == size;
}

}  // namespace quillmar::win32
