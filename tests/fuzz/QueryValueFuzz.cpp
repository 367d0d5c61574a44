#undef NDEBUG  // a failed assert is how this target reports a finding, in every build
#include <algorithm>
#include <cassert>
#include <cstring>
#include <iterator>

#include "registry/Module1.h"

using namespace quillmar;

const std::int32_t kCodes[] = {kSuccess, kFileNotFound, kAccessDenied, kInvalidHandle, kMoreData};

// Answers as the input scripts it, writing outputs even on failure; the two answers may disagree.
struct Scripted final : RegistryBackend {
  explicit Scripted(const std::string& in) : bytes(in.substr(std::min(in.size(), sizeof s))) {
    std::memcpy(&s, in.data(), std::min(in.size(), sizeof s));
    for (auto& n : s.size) n &= n >> 31 ? ~0u : 0xFFFF;  // huge sizes as they come, others quick
  }
  std::int32_t Code(int i) const { return kCodes[s.code[i] % std::size(kCodes)]; }
  std::int32_t OpenKey(RegHandle, const std::string&, RegHandle& key) override {
    if (Code(2) != kSuccess) return Code(2);
    key = ++open;
    return kSuccess;
  }
  std::int32_t QueryValue(RegHandle key, const std::string&, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* size) override {
    assert(key != 0 && key == open && "a query on a key not open");
    const int i = std::min(queries++, 1);
    if (data) std::memcpy(data, bytes.data(), std::min<std::size_t>(*size, bytes.size()));
    if (type != nullptr) *type = s.type[i];
    if (size != nullptr) *size = s.size[i];
    return Code(i);
  }
  std::int32_t CloseKey(RegHandle key) override {
    if (key == 0 || key != open) return kInvalidHandle;
    open = 0;
    return kSuccess;
  }
  std::int32_t CreateKey(RegHandle, const std::string&, RegHandle&) override { return 5; }
  std::int32_t SetValue(RegHandle, const std::string&, std::uint32_t, const std::uint8_t*,
                        std::uint32_t) override {
    return 5;
  }
  std::int32_t DeleteValue(RegHandle, const std::string&) override { return 5; }

  struct {
    std::uint32_t size[2];
    std::uint8_t code[3], type[2];  // code[2] is the open's
  } s{};
  std::string bytes;
  RegHandle open = 0;  // the one key open, 0 when none
  int queries = 0;
};

// Only the key opened, no read past the input, a value only when decoded (text or 4-byte number).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Scripted r({reinterpret_cast<const char*>(data), size});
  ReadOutcome outcome = ReadOutcome::kValue;
  const RegValue v = Module1(r).QueryValue(kCurrentUser, "Fuzz", "v", &outcome);
  const bool not_found = r.Code(2) == kFileNotFound || r.Code(0) == kFileNotFound;
  assert((outcome == ReadOutcome::kValue || IsEmptyText(v)) &&
         (outcome != ReadOutcome::kMissing || not_found) && "undecoded, or missing unfound");
  if (outcome != ReadOutcome::kValue) return 0;
  assert(r.Code(0) == kSuccess && r.Code(1) == kSuccess && "a value from a failed query");
  if (const auto* number = std::get_if<std::int32_t>(&v)) {
    const std::string raw = r.bytes.substr(0, 4) + std::string(4, '\0');
    assert(r.s.type[0] == kRegDword && r.s.size[1] == 4 &&
           std::memcmp(number, raw.data(), 4) == 0 && "a number not from its four bytes");
    return 0;
  }
  const std::string& text = std::get<std::string>(v);
  std::string filled = r.bytes;  // what the back end left unfilled is the caller's blanks
  filled.resize(std::max(filled.size(), text.size()), ' ');
  assert(r.s.type[0] == kRegSz && text.size() <= std::min(r.s.size[0], r.s.size[1]) &&
         filled.compare(0, text.size(), text) == 0 &&
         "a text not from the bytes filled of a REG_SZ");
  return 0;
}
