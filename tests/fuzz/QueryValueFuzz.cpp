#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "registry/Module1.h"

namespace {

using namespace quillmar;

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

constexpr std::array<std::int32_t, 5> kCodes = {kSuccess, kFileNotFound, kAccessDenied,
                                                kInvalidHandle, kMoreData};
constexpr RegHandle kKey = 0x100;

// Answers as the input says: the open's code, then for each query a code, a type and a size,
// and the bytes it fills. Outputs are written even with a failure code, and the two queries
// need not agree; only the caller's buffer size is honoured, as the platform does.
class Scripted final : public RegistryBackend {
 public:
  struct Answer {
    std::int32_t code;
    std::uint32_t type, size;
  };
  Scripted(const std::uint8_t* data, std::size_t size) : input_(data, data + size) {
    open_code = kCodes[Byte() % 4];
    for (Answer& a : answers) a = {kCodes[Byte() % kCodes.size()], Byte(), Size()};
    bytes = input_.substr(std::min(at_, input_.size()));
  }

  std::int32_t OpenKey(RegHandle, const std::string&, RegHandle& key) override {
    if (open_code != kSuccess) return open_code;
    key = kKey;
    ++open;
    return kSuccess;
  }
  std::int32_t CreateKey(RegHandle root, const std::string& path, RegHandle& key) override {
    return OpenKey(root, path, key);
  }
  std::int32_t QueryValue(RegHandle key, const std::string&, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* size) override {
    Check(key == kKey && open > 0, "query on a closed key");
    const Answer& a = answers[std::min<std::size_t>(queries++, answers.size() - 1)];
    if (data != nullptr) {
      Check(size != nullptr, "data without a size");
      std::memcpy(data, bytes.data(), std::min<std::size_t>(*size, bytes.size()));
    }
    if (type != nullptr) *type = a.type;
    if (size != nullptr) *size = a.size;
    return a.code;
  }
  std::int32_t SetValue(RegHandle, const std::string&, std::uint32_t, const std::uint8_t*,
                        std::uint32_t) override {
    return kAccessDenied;
  }
  std::int32_t DeleteValue(RegHandle, const std::string&) override { return kAccessDenied; }
  std::int32_t CloseKey(RegHandle key) override {
    if (key != kKey || open == 0) return kInvalidHandle;
    --open;
    return kSuccess;
  }

  std::int32_t open_code;
  std::array<Answer, 2> answers;
  std::string bytes;
  int open = 0;
  std::size_t queries = 0;

 private:
  std::uint8_t Byte() { return at_ < input_.size() ? static_cast<std::uint8_t>(input_[at_++]) : 0; }
  std::uint32_t Word() {
    std::uint32_t w = 0;
    for (int i = 0; i < 4; ++i) w |= static_cast<std::uint32_t>(Byte()) << (8 * i);
    return w;
  }
  // Sizes with the top bit set come as they are; the others stay small, so each run is quick.
  std::uint32_t Size() {
    const std::uint32_t w = Word();
    return w >> 31 != 0 ? w : w & 0xFFFF;
  }
  std::string input_;
  std::size_t at_ = 0;
};

}  // namespace

// QueryValue never reads past what it was given, closes what it opened, and returns a value
// only when it could decode one: a text up to its first NUL, or a number of exactly four bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Scripted registry(data, size);
  Module1 m(registry);
  ReadOutcome outcome = ReadOutcome::kValue;
  const RegValue v = m.QueryValue(kCurrentUser, "Software\\Fuzz", "v", &outcome);
  Check(registry.open == 0, "handle left open");
  const auto& [first, second] = registry.answers;
  if (outcome == ReadOutcome::kMissing)
    Check(registry.open_code == kFileNotFound || first.code == kFileNotFound, "missing");
  if (outcome != ReadOutcome::kValue) {
    Check(IsEmptyText(v), "a value without an outcome");
    return 0;
  }
  Check(first.code == kSuccess && second.code == kSuccess, "a value from a failed query");
  if (const auto* number = std::get_if<std::int32_t>(&v)) {
    std::string raw = registry.bytes.substr(0, 4);
    raw.resize(4, '\0');
    Check(first.type == kRegDword && second.size == 4, "a number not from four bytes");
    Check(std::memcmp(number, raw.data(), 4) == 0, "wrong number");
    return 0;
  }
  const std::string& text = std::get<std::string>(v);
  Check(first.type == kRegSz, "a text not from REG_SZ");
  Check(text.size() <= std::min(first.size, second.size), "a text longer than filled");
  // What the back end did not fill is the caller's own blank buffer.
  std::string filled = registry.bytes;
  filled.resize(std::max(filled.size(), text.size()), ' ');
  Check(filled.compare(0, text.size(), text) == 0, "a text not from the bytes");
  Check(text.find('\0') == std::string::npos, "a NUL in a text");
  return 0;
}
