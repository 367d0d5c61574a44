#include <cstdio>
#include <cstdlib>

#include "registry/MemoryRegistry.h"
#include "registry/Module1.h"

namespace {

using namespace quillmar;

void Check(bool ok, const char* broken) {
  if (ok) return;
  std::fprintf(stderr, "%s\n", broken);
  std::abort();
}

// Written apart from the program's parser: blanks, an optional sign, decimal digits, blanks.
bool Decimal(const std::string& text, std::int64_t& value) {
  std::size_t i = text.find_first_not_of(' ');
  if (i == std::string::npos) return false;
  const std::size_t end = text.find_last_not_of(' ') + 1;
  const bool negative = text[i] == '-';
  if (text[i] == '+' || text[i] == '-') ++i;
  if (i == end) return false;
  for (value = 0; i < end; ++i) {
    if (text[i] < '0' || text[i] > '9' || value > 2147483648) return false;
    value = value * 10 + (text[i] - '0');
  }
  value = negative ? -value : value;
  return value >= -2147483648 && value <= 2147483647;
}

}  // namespace

// SaveValue stores a text as REG_DWORD exactly when it is a decimal integer that fits 32 bits,
// and otherwise as the text trimmed of blanks and ended by one NUL.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  MemoryRegistry registry;
  Check(Module1(registry).SaveValue(kCurrentUser, "Fuzz", "v", text), "refused");
  RegHandle key = 0;
  std::uint32_t type = 0, stored_size = 0;
  registry.OpenKey(kCurrentUser, "Fuzz", key);
  registry.QueryValue(key, "v", &type, nullptr, &stored_size);
  std::string stored(stored_size, '\0');
  registry.QueryValue(key, "v", &type, reinterpret_cast<std::uint8_t*>(stored.data()),
                      &stored_size);
  registry.CloseKey(key);
  Check(registry.OpenHandles() == 0, "a key left open");

  std::int64_t number = 0;
  if (Decimal(text, number)) {
    const auto u = static_cast<std::uint32_t>(number);
    Check(type == kRegDword &&
              stored == std::string{static_cast<char>(u), static_cast<char>(u >> 8),
                                    static_cast<char>(u >> 16), static_cast<char>(u >> 24)},
          "a number not stored as its REG_DWORD");
    return 0;
  }
  const std::size_t first = text.find_first_not_of(' ');
  const std::string trimmed =
      first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') + 1 - first);
  Check(type == kRegSz && stored == trimmed + '\0', "a text not stored as its trimmed REG_SZ");
  return 0;
}
