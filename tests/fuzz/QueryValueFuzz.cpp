#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "registry/Module1.h"

namespace {

using namespace quillmar;

void Check(bool ok, const char* broken) {
  if (ok) return;
  std::fprintf(stderr, "%s\n", broken);
  std::abort();
}

constexpr std::array<std::int32_t, 5> kCodes = {kSuccess, kFileNotFound, kAccessDenied,
                                                kInvalidHandle, kMoreData};

// Answers as the input says: the open's result code, then for each query a code, a type and a
// size, and the bytes it fills. It writes its outputs even when it fails and its two answers
// need not agree; it honours only the caller's buffer size, as the platform does.
class Scripted final : public RegistryBackend {
 public:
  struct Answer {
    std::int32_t code;
    std::uint32_t type, size;
  };
  Scripted(const std::uint8_t* data, std::size_t size) : input_(data, data + size) {
    open_code = kCodes[Next(1) % 4];
    for (Answer& a : answers) {
      a.code = kCodes[Next(1) % kCodes.size()];
      a.type = Next(1);
      a.size = Next(4);
      if (a.size >> 31 == 0) a.size &= 0xFFFF;  // huge sizes as they come, the others kept quick
    }
    bytes = input_.substr(std::min(at_, input_.size()));
  }
  std::int32_t OpenKey(RegHandle, const std::string&, RegHandle& key) override {
    if (open_code == kSuccess) key = ++open;
    return open_code;
  }
  std::int32_t CreateKey(RegHandle, const std::string&, RegHandle&) override { return 5; }
  std::int32_t QueryValue(RegHandle key, const std::string&, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* size) override {
    Check(key != 0 && key == open, "a query on a key not open");
    const Answer& a = answers[std::min<std::size_t>(queries++, 1)];
    if (data != nullptr)
      std::memcpy(data, bytes.data(), std::min<std::size_t>(*size, bytes.size()));
    if (type != nullptr) *type = a.type;
    if (size != nullptr) *size = a.size;
    return a.code;
  }
  std::int32_t SetValue(RegHandle, const std::string&, std::uint32_t, const std::uint8_t*,
                        std::uint32_t) override {
    return 5;
  }
  std::int32_t DeleteValue(RegHandle, const std::string&) override { return 5; }
  std::int32_t CloseKey(RegHandle key) override {
    if (key == 0 || key != open) return kInvalidHandle;
    open = 0;
    return kSuccess;
  }

  std::int32_t open_code;
  std::array<Answer, 2> answers;
  std::string bytes;
  RegHandle open = 0;  // the one key open, 0 when none
  std::size_t queries = 0;

 private:
  std::uint32_t Next(int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i, ++at_)
      if (at_ < input_.size())
        value |= static_cast<std::uint32_t>(std::uint8_t(input_[at_])) << 8 * i;
    return value;
  }
  std::string input_;
  std::size_t at_ = 0;
};

}  // namespace

// QueryValue closes what it opened, never reads past what it was given, and returns a value
// only when it could decode one: a text up to its first NUL, or a number of exactly four bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Scripted registry(data, size);
  Module1 m(registry);
  ReadOutcome outcome = ReadOutcome::kValue;
  const RegValue v = m.QueryValue(kCurrentUser, "Software\\Fuzz", "v", &outcome);
  const auto& [first, second] = registry.answers;
  Check(registry.open == 0, "a key left open");
  Check(outcome != ReadOutcome::kMissing || registry.open_code == kFileNotFound ||
            first.code == kFileNotFound,
        "missing without a not-found answer");
  Check(outcome == ReadOutcome::kValue || IsEmptyText(v), "an undecoded value");
  if (outcome != ReadOutcome::kValue) return 0;
  Check(first.code == kSuccess && second.code == kSuccess, "a value from a failed query");
  if (const auto* number = std::get_if<std::int32_t>(&v)) {
    std::string raw = registry.bytes.substr(0, 4);
    raw.resize(4, '\0');
    Check(first.type == kRegDword && second.size == 4, "a number not from four bytes");
    Check(std::memcmp(number, raw.data(), 4) == 0, "a wrong number");
    return 0;
  }
  const std::string& text = std::get<std::string>(v);
  std::string filled = registry.bytes;  // what the back end left unfilled is the caller's blanks
  filled.resize(std::max(filled.size(), text.size()), ' ');
  Check(first.type == kRegSz, "a text not from REG_SZ");
  Check(text.size() <= std::min(first.size, second.size), "a text longer than filled");
  Check(filled.compare(0, text.size(), text) == 0, "a text not from the bytes");
  Check(text.find('\0') == std::string::npos, "a NUL in a text");
  return 0;
}
