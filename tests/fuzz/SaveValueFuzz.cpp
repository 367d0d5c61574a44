#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "registry/MemoryRegistry.h"
#include "registry/Module1.h"

namespace {

using namespace quillmar;

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

// Written apart from the program's parser: blanks, an optional sign, decimal digits, blanks.
bool Decimal(const std::string& text, std::int64_t& value) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return false;
  const std::size_t end = text.find_last_not_of(' ') + 1;
  std::size_t i = first;
  const bool negative = text[i] == '-';
  if (text[i] == '+' || text[i] == '-') ++i;
  if (i == end) return false;
  for (value = 0; i < end; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
    if (value > 2147483648) return false;
  }
  if (negative) value = -value;
  return value <= 2147483647;
}

}  // namespace

// SaveValue stores a text as REG_DWORD exactly when it is a decimal integer that fits 32 bits,
// and otherwise as the text trimmed of blanks and ended by one NUL.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  MemoryRegistry registry;
  Module1 m(registry);
  Check(m.SaveValue(kCurrentUser, "Software\\Fuzz", "v", text), "refused");
  RegHandle key = 0;
  registry.OpenKey(kCurrentUser, "Software\\Fuzz", key);
  std::uint32_t type = 0;
  std::uint32_t stored_size = 0;
  registry.QueryValue(key, "v", &type, nullptr, &stored_size);
  std::string stored(stored_size, '\0');
  registry.QueryValue(key, "v", &type, reinterpret_cast<std::uint8_t*>(stored.data()),
                      &stored_size);
  registry.CloseKey(key);
  Check(registry.OpenHandles() == 0, "handle left open");

  std::int64_t number = 0;
  if (Decimal(text, number)) {
    const auto u = static_cast<std::uint32_t>(number);
    Check(type == kRegDword, "number not stored as REG_DWORD");
    Check(stored == std::string{static_cast<char>(u), static_cast<char>(u >> 8),
                                static_cast<char>(u >> 16), static_cast<char>(u >> 24)},
          "wrong number");
    return 0;
  }
  const std::size_t first = text.find_first_not_of(' ');
  const std::string trimmed =
      first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') + 1 - first);
  Check(type == kRegSz, "text not stored as REG_SZ");
  Check(stored == trimmed + '\0', "wrong text");
  return 0;
}
