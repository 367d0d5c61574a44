#include <gtest/gtest.h>

#include "regfile/RegFile.h"
#include "tests/support/Latin1Codec.h"

namespace quillmar::test {
namespace {

constexpr char kHeader[] = "Windows Registry Editor Version 5.00\r\n";
constexpr char kKey[] = "[HKEY_CURRENT_USER\\Software\\Quillmar]\r\n";

Latin1Codec latin1;

// Each refusal names the line at fault and what is wrong with it.
TEST(RegFile, Refusals) {
  const std::string v5 = Utf16(std::string(kHeader) + kKey);
  const struct {
    std::string bytes;
    int line;
    const char* what;
  } cases[] = {
      {.bytes = v5 + "\"a\"", .line = 3, .what = "ends in the middle of a UTF-16"},
      {.bytes = v5 + std::string("\x3D\xD8\r\0\n\0", 6),
       .line = 3,
       .what = "lone UTF-16 surrogate"},
      {.bytes = v5 + std::string("\x00\xDC", 2), .line = 3, .what = "lone UTF-16 surrogate"},
      {.bytes = v5 + std::string("\"\0\0\0\"\0", 6), .line = 3, .what = "NUL"},
      {.bytes = std::string("REGEDIT4\n[HKCU]\n\"a\"=\"\0\"", 23), .line = 3, .what = "NUL"},
      {.bytes = Utf16(kHeader + std::string(10 << 20, ';')),
       .line = 2,
       .what = "longer than 32767"},
      {.bytes = Utf16(kHeader + (kKey + std::string(99997, '\n')) + "\"a\"=hex(2):41,00"),
       .line = 100000,
       .what = "hex:"},
      {.bytes = Utf16(std::string(kHeader) + kKey + "\"a\"=hex:01,\\\r\n  02\r\n"),
       .line = 3,
       .what = "hex: value"},
      {.bytes = Utf16(kHeader + std::string("[-HKEY_CURRENT_USER\\Software\\Quillmar]\r\n")),
       .line = 2,
       .what = "key deletion"},
      {.bytes = Utf16("REGEDIT4\r\n"), .line = 1, .what = "does not start with \"Windows Registry"},
      {.bytes = "Windows Registry Editor Version 5.00\r\n",
       .line = 1,
       .what = "does not start with \"REGEDIT4\""},
      {.bytes = "\xEF\xBB\xBFREGEDIT4", .line = 1, .what = "UTF-8"},
      {.bytes = Utf16(kHeader + std::string("[HKEY_USERS\\x]")), .line = 2, .what = "unknown root"},
      {.bytes = v5 + Utf16("\"a\"=dword:123456789").substr(2),
       .line = 3,
       .what = "1 to 8 hexadecimal"},
      {.bytes = v5 + Utf16("\"a\\b\"=-").substr(2), .line = 3, .what = "backslash"},
      {.bytes = v5 + Utf16("\"a\"=\"b").substr(2), .line = 3, .what = "closing quote"},
      {.bytes = v5 + Utf16("\"a\"=\"b\" c").substr(2),
       .line = 3,
       .what = "after the closing quote"},
      {.bytes = Utf16(kHeader + std::string("@=\"\"")),
       .line = 2,
       .what = "before the first section"},
      {.bytes = v5 + std::string("\"\0\xAC\x20\"\0=\0-\0", 10),
       .line = 3,
       .what = "ANSI code page cannot hold"},
  };
  for (const auto& c : cases) {
    const auto result = ParseRegFile(c.bytes, latin1);
    const auto* error = std::get_if<RegFileError>(&result);
    ASSERT_NE(nullptr, error) << c.what;
    EXPECT_EQ(c.line, error->line) << c.what;
    EXPECT_NE(std::string::npos, error->what.find(c.what)) << c.what << ": " << error->what;
  }
}

// The writer's text, read back to the same entries: escapes, the default value, deletions.
TEST(RegFile, WritesAndReadsBack) {
  RegFile file{{{0, kCurrentUser, "Software\\Quillmar"}, {0, kClassesRoot, ".bmp"}},
               {{0, 0, "a\"b\\c", RegValue(-2)},
                {0, 0, "LogOffBox", RegValue(std::string("C:\\\"x\xE9\""))},
                {0, 1, "", std::nullopt}}};
  const char* expected =
      "Windows Registry Editor Version 5.00\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Quillmar]\r\n"
      "\"a\\\"b\\\\c\"=dword:fffffffe\r\n"
      "\"LogOffBox\"=\"C:\\\\\\\"x\xE9\\\"\"\r\n\r\n"
      "[HKEY_CLASSES_ROOT\\.bmp]\r\n@=-\r\n";
  const auto written = WriteRegFile(file, latin1);
  ASSERT_EQ(std::optional(Utf16(expected)), written);
  const std::string abbreviated =
      "REGEDIT4\n[hkcu\\Software\\Quillmar]\n\"a\\\"b\\\\c\" = DWORD:FFFFFFFE"
      "\n  \"LogOffBox\"=\"C:\\\\\\\"x\xE9\\\"\"\n;\n[HKCR\\.bmp]\n@=-\n";
  for (const std::string& bytes : {*written, abbreviated}) {
    const auto read = ParseRegFile(bytes, latin1);
    ASSERT_TRUE(std::holds_alternative<RegFile>(read)) << std::get<RegFileError>(read).what;
    const RegFile& back = std::get<RegFile>(read);
    ASSERT_EQ(2u, back.sections.size());
    EXPECT_EQ(kClassesRoot, back.sections[1].root);
    for (std::size_t i = 0; i < 3; ++i) {
      const RegEntry &a = file.entries[i], &b = back.entries[i];
      EXPECT_TRUE(a.name == b.name && a.value == b.value && a.section == b.section) << i;
    }
  }
}

}  // namespace
}  // namespace quillmar::test
