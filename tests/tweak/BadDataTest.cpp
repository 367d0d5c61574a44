#include <gtest/gtest.h>

#include <optional>
#include <set>

#include "tests/support/KeyPaths.h"
#include "tests/support/SeededProgram.h"

namespace quillmar {
namespace {

using test::SeededProgram;

std::string High() {
  std::string bytes;
  for (int b = 0x80; b <= 0xFF; ++b) bytes += static_cast<char>(b);
  return bytes;
}

// A stored form and the text it reads as; nullopt reads as the empty text, as a missing value.
struct Bad {
  const char* label;
  test::Raw raw;
  std::optional<std::string> reads_as;
};

const Bad kBad[] = {
    {"REG_SZ of 0 bytes", {kRegSz, ""}, ""},
    {"REG_SZ without NUL", {kRegSz, "abc"}, "abc"},
    {"REG_SZ with an embedded NUL", {kRegSz, std::string("ab\0cd", 6)}, "ab"},
    {"REG_SZ of 1 MiB", {kRegSz, std::string(1 << 20, 'x')}, std::string(1 << 20, 'x')},
    {"REG_SZ of bytes 0x80-0xFF", {kRegSz, High()}, High()},
    {"REG_DWORD of 2 bytes", {kRegDword, std::string("\1\0", 2)}, std::nullopt},
    {"REG_DWORD of 8 bytes", {kRegDword, std::string("\1\0\0\0\0\0\0\0", 8)}, std::nullopt},
    {"REG_QWORD", {kRegQword, std::string("\1\0\0\0\0\0\0\0", 8)}, std::nullopt},
    {"REG_BINARY", {kRegBinary, "1"}, std::nullopt},
    {"REG_MULTI_SZ", {kRegMultiSz, std::string("1\0b\0\0", 5)}, std::nullopt},
    {"REG_EXPAND_SZ", {kRegExpandSz, std::string("PBrush\0", 7)}, std::nullopt},
    {"an unknown type", {0x1234, std::string("1\0", 2)}, std::nullopt},
};

const std::set<std::string> kTrio = {".bmp\\", "Paint.Picture\\DefaultIcon\\",
                                     std::string(test::kProgram) + "\\bmp"};

// Stores the value at the location (or removes it), loads, and applies with at most the
// thumbnail box changed.
std::map<std::string, std::string> LoadAndApply(const Row& row, const std::string& name,
                                                const std::optional<test::Raw>& value,
                                                bool thumbnails) {
  SeededProgram p("First", "NoPromptNoLogOff");
  const KeyPath& key = KeyOf(row.key);
  RegHandle handle = 0;
  p.memory.OpenKey(key.root, std::string(key.path), handle);
  if (value) {
    p.memory.SetValue(handle, name, value->type,
                      reinterpret_cast<const std::uint8_t*>(value->bytes.data()),
                      static_cast<std::uint32_t>(value->bytes.size()));
  } else {
    p.memory.DeleteValue(handle, name);
  }
  p.memory.CloseKey(handle);
  p.Open();
  if (thumbnails) p.tweak->ChckThumbnails.SetValue(1);
  p.tweak->BtnApply.Click();
  EXPECT_EQ(0u, p.memory.OpenHandles());
  return p.Snapshot();
}

// A bad form behaves as the text it reads as; only an unreadable file type is left alone.
TEST(BadData, BehavesAsWhatItReadsAs) {
  const auto seeded = SeededProgram("First", "").Snapshot();
  SeededProgram locations("", "");
  // Only read by nobody: the values Apply writes and never reads.
  std::set<std::string> done = {std::string(test::kExplorer) + "\\ClearRecentDocsOnExit",
                                std::string(test::kVersion) + "\\RegisteredOwner",
                                std::string(test::kVersion) + "\\RegisteredOrganization"};
  locations.ForEachLocation([&](RegHandle, const Row& row, const std::string& name) {
    const std::string where = std::string(KeyOf(row.key).path) + "\\" + name;
    if ((row.value == "url" && name != "url2") || !done.insert(where).second) return;
    const bool trio = row.control == "ChckThumbnails";
    for (bool thumbnails : {false, true}) {
      if (thumbnails && !trio) continue;
      std::map<std::optional<std::string>, std::map<std::string, std::string>> oracles;
      for (const Bad& bad : kBad) {
        SCOPED_TRACE(where + ", " + bad.label + (thumbnails ? ", thumbnails on" : ""));
        auto [oracle, fresh] = oracles.try_emplace(bad.reads_as);
        if (fresh) {
          const auto as = bad.reads_as ? std::optional(test::Text(*bad.reads_as)) : std::nullopt;
          oracle->second = LoadAndApply(row, name, as, thumbnails);
        }
        const auto got = LoadAndApply(row, name, bad.raw, thumbnails);
        const bool untouched =
            thumbnails && name.empty() && row.key == KeyLabel::kBitmapType && !bad.reads_as;
        for (const auto& [other, value] : got) {
          if (other == where) continue;
          const bool in_trio = kTrio.count(other) != 0;
          EXPECT_EQ(untouched && in_trio ? seeded.at(other) : oracle->second.at(other), value)
              << other;
        }
      }
    }
  });
}

}  // namespace
}  // namespace quillmar
