#include <gtest/gtest.h>

#include "tests/support/HeadlessHost.h"

namespace quillmar {
namespace {

std::string High() {
  std::string bytes;
  for (int b = 0x80; b <= 0xFF; ++b) bytes += static_cast<char>(b);
  return bytes;
}

// A stored form and the text it reads as; what cannot be read reads as the empty text.
struct Bad {
  const char* label;
  test::Raw raw;
  std::string reads_as;
  bool readable = true;
};

const Bad kBad[] = {
    {"REG_SZ of 0 bytes", {kRegSz, ""}, ""},
    {"REG_SZ without NUL", {kRegSz, "abc"}, "abc"},
    {"REG_SZ with an embedded NUL", {kRegSz, std::string("ab\0cd", 6)}, "ab"},
    {"REG_SZ of 1 MiB", {kRegSz, std::string(1 << 20, 'x')}, std::string(1 << 20, 'x')},
    {"REG_SZ of bytes 0x80-0xFF", {kRegSz, High()}, High()},
    {"REG_DWORD of 2 bytes", {kRegDword, std::string("\1\0", 2)}, "", false},
    {"REG_DWORD of 8 bytes", {kRegDword, std::string("\1\0\0\0\0\0\0\0", 8)}, "", false},
    {"REG_QWORD", {kRegQword, std::string("\1\0\0\0\0\0\0\0", 8)}, "", false},
    {"REG_BINARY", {kRegBinary, "1"}, "", false},
    {"REG_MULTI_SZ", {kRegMultiSz, std::string("1\0b\0\0", 5)}, "", false},
    {"REG_EXPAND_SZ", {kRegExpandSz, std::string("PBrush\0", 7)}, "", false},
    {"an unknown type", {0x1234, std::string("1\0", 2)}, "", false},
};

// Loads with that value stored there, then applies with at most the thumbnail box changed.
std::map<std::string, std::string> LoadAndApply(const Row& row, const std::string& name,
                                                const test::Raw& value, bool thumbnails) {
  test::Program p("First", "NoPromptNoLogOff");
  test::Store(p.memory, KeyOf(row.key).root, std::string(KeyOf(row.key).path), name, value);
  p.Open();
  if (thumbnails) p.tweak->ChckThumbnails.SetValue(1);
  p.tweak->BtnApply.Click();
  EXPECT_EQ(0u, p.memory.OpenHandles());
  return p.Snapshot();
}

// A bad form behaves as the text it reads as, except that an unreadable bitmap type leaves the
// three thumbnail values alone; the bad value itself may stay.
TEST(BadData, BehavesAsWhatItReadsAs) {
  const auto seeded = test::Program("First", "").Snapshot();
  const std::set<std::string> trio = {".bmp\\", "Paint.Picture\\DefaultIcon\\",
                                      std::string(test::kProgram) + "\\bmp"};
  // The values that nothing reads are left out, and one typed URL stands for all.
  std::set<std::string> done = {std::string(test::kExplorer) + "\\ClearRecentDocsOnExit",
                                std::string(test::kVersion) + "\\RegisteredOwner",
                                std::string(test::kVersion) + "\\RegisteredOrganization"};
  test::Program("", "").ForEachLocation([&](RegHandle, const Row& row, const std::string& name) {
    const std::string where = std::string(KeyOf(row.key).path) + "\\" + name;
    if ((row.value == "url" && name != "url2") || !done.insert(where).second) return;
    for (bool thumbnails : {false, true}) {
      if (thumbnails && trio.count(where) == 0) continue;
      std::map<std::string, std::map<std::string, std::string>> oracles;
      for (const Bad& bad : kBad) {
        SCOPED_TRACE(where + ", " + bad.label + (thumbnails ? ", thumbnails on" : ""));
        auto [oracle, fresh] = oracles.try_emplace(bad.reads_as);
        if (fresh) oracle->second = LoadAndApply(row, name, test::Text(bad.reads_as), thumbnails);
        const bool untouched = thumbnails && where == ".bmp\\" && !bad.readable;
        for (const auto& [other, value] : LoadAndApply(row, name, bad.raw, thumbnails)) {
          if (other == where) continue;
          const bool kept = untouched && trio.count(other) != 0;
          EXPECT_EQ(kept ? seeded.at(other) : oracle->second.at(other), value) << other;
        }
      }
    }
  });
}

}  // namespace
}  // namespace quillmar
