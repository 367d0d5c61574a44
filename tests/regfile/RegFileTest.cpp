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
  const std::tuple<std::string, int, const char*> cases[] = {
      {v5 + "\"a\"", 3, "ends in the middle of a UTF-16"},
      {v5 + std::string("\x3D\xD8\r\0\n\0", 6), 3, "lone UTF-16 surrogate"},
      {v5 + std::string("\x00\xDC", 2), 3, "lone UTF-16 surrogate"},
      {v5 + std::string("\"\0\0\0\"\0", 6), 3, "NUL"},
      {std::string("REGEDIT4\n[HKCU]\n\"a\"=\"\0\"", 23), 3, "NUL"},
      {Utf16(kHeader + std::string(10 << 20, ';')), 2, "longer than 32767"},
      {Utf16(kHeader + (kKey + std::string(99997, '\n')) + "\"a\"=hex(2):41,00"), 100000, "hex:"},
      {Utf16(std::string(kHeader) + kKey + "\"a\"=hex:01,\\\r\n  02\r\n"), 3, "hex: value"},
      {Utf16(kHeader + std::string("[-HKEY_CURRENT_USER\\Software\\Quillmar]\r\n")), 2,
       "key deletion"},
      {Utf16("REGEDIT4\r\n"), 1, "does not start with \"Windows Registry"},
      {"Windows Registry Editor Version 5.00\r\n", 1, "does not start with \"REGEDIT4\""},
      {"\xEF\xBB\xBFREGEDIT4", 1, "UTF-8"},
      {Utf16(kHeader + std::string("[HKEY_USERS\\x]")), 2, "unknown root"},
      {v5 + Utf16("\"a\"=dword:123456789").substr(2), 3, "1 to 8 hexadecimal"},
      {v5 + Utf16("\"a\\b\"=-").substr(2), 3, "backslash"},
      {v5 + Utf16("\"a\"=\"b").substr(2), 3, "closing quote"},
      {v5 + Utf16("\"a\"=\"b\" c").substr(2), 3, "after the closing quote"},
      {Utf16(kHeader + std::string("@=\"\"")), 2, "before the first section"},
      {v5 + std::string("\"\0\xAC\x20\"\0=\0-\0", 10), 3, "ANSI code page cannot hold"},
  };
  for (const auto& [bytes, line, what] : cases) {
    const auto result = ParseRegFile(bytes, latin1);
    const auto* error = std::get_if<RegFileError>(&result);
    ASSERT_NE(nullptr, error) << what;
    EXPECT_EQ(line, error->line) << what;
    EXPECT_NE(std::string::npos, error->what.find(what)) << what << ": " << error->what;
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
