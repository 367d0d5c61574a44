#undef NDEBUG  // a failed assert is how this target reports a finding, in every build
#include <cassert>
#include <cctype>
#include <cstdlib>

#include "registry/MemoryRegistry.h"
#include "registry/Module1.h"

using namespace quillmar;

// A decimal integer fitting 32 bits is stored as REG_DWORD, anything else as trimmed text + NUL.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  MemoryRegistry registry;
  Module1(registry).SaveValue(kCurrentUser, "Fuzz", "v", text);
  RegHandle key = 0;
  std::uint32_t type = 0, stored_size = static_cast<std::uint32_t>(size + 5);
  std::string stored(stored_size, '\0');
  registry.OpenKey(kCurrentUser, "Fuzz", key);
  registry.QueryValue(key, "v", &type, reinterpret_cast<std::uint8_t*>(stored.data()),
                      &stored_size);
  registry.CloseKey(key);

  // Against the C library's parser (which skips other white space) and the host's byte order.
  const std::size_t first = text.find_first_not_of(' ');
  const std::string trimmed =
      first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') + 1 - first);
  char* end = nullptr;
  const long long n = std::strtoll(trimmed.c_str(), &end, 10);
  const bool numeric = !trimmed.empty() && !std::isspace(static_cast<unsigned char>(trimmed[0])) &&
                       end == trimmed.c_str() + trimmed.size() && n == static_cast<std::int32_t>(n);
  const std::string expected =
      numeric ? std::string(reinterpret_cast<const char*>(&n), 4) : trimmed + '\0';
  assert(type == (numeric ? kRegDword : kRegSz) && stored.substr(0, stored_size) == expected &&
         "not stored as its REG_DWORD or its trimmed REG_SZ");
  return 0;
}
