// Run natively on the in-memory registry and under Wine on advapi32: both must pass the same.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>

#include "registry/KeyHandle.h"
#include "registry/Module1.h"
#ifdef _WIN32
#include <windows.h>

#include "registry/Win32Registry.h"
using Backend = quillmar::Win32Registry;
#else
#include "registry/MemoryRegistry.h"
using Backend = quillmar::MemoryRegistry;
#endif

namespace quillmar {
namespace {

using namespace std::string_literals;

class RegistryConformance : public testing::Test {
 protected:
  // Each test owns a throw-away key below the current user's root, gone before and after it.
  RegistryConformance() { Wipe(); }
  ~RegistryConformance() override { Wipe(); }
  void Wipe() {
#ifdef _WIN32
    RegDeleteTreeA(HKEY_CURRENT_USER, Path().c_str());
#endif
  }
  Backend reg_;

  std::string Path(const std::string& sub = "") const {
    const std::string root =
        "Software\\QuillmarTest\\"s + testing::UnitTest::GetInstance()->current_test_info()->name();
    return sub.empty() ? root : root + "\\" + sub;
  }

  void Seed(const std::string& name, std::uint32_t type, const std::string& bytes) {
    KeyHandle key(reg_);
    ASSERT_EQ(kSuccess, reg_.CreateKey(kCurrentUser, Path(), key.get()));
    ASSERT_EQ(kSuccess, reg_.SetValue(key.get(), name, type,
                                      reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                      static_cast<std::uint32_t>(bytes.size())));
  }

  Module1 m{reg_};
};

TEST_F(RegistryConformance, QueryValueReadsEveryStoredForm) {
  std::string high;
  for (int c = 0x80; c <= 0xFF; ++c) high += static_cast<char>(c);
  struct Case {
    std::uint32_t type;
    std::string stored;
    RegValue expected;
    const char *label, *sub = "", *name = "v";
    std::int32_t closed = kSuccess;  // the close's answer: 6 for the handle 0 of a missing key
  };
  const Case cases[] = {
      {kRegSz, "First\0"s, "First"s, "text"},
      {kRegSz, "ab\0cd\0"s, "ab"s, "text with an inner NUL"},
      {kRegSz, "abc"s, "abc"s, "text without NUL"},
      {kRegSz, ""s, ""s, "text of no bytes"},
      {kRegSz, high + '\0', high, "text of high bytes"},
      {kRegSz, std::string(1 << 20, 'x') + '\0', std::string(1 << 20, 'x'), "text of a mebibyte"},
      {kRegDword, "\x30\0\0\x80"s, std::int32_t{-2147483600}, "number little-endian"},
      {kRegDword, "\1\0"s, ""s, "number of two bytes"},
      {kRegDword, "\1\0\0\0\0\0\0\0"s, ""s, "number of eight bytes"},
      {kRegExpandSz, "%PATH%\0"s, ""s, "expandable text"},
      {kRegSz, "x\0"s, ""s, "missing value", "", "absent"},
      {kRegSz, "x\0"s, ""s, "missing key", "nokey", "v", kInvalidHandle},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    Seed("v", c.type, c.stored);
    m.LastRegResult = -7;
    EXPECT_EQ(c.expected, m.QueryValue(kCurrentUser, Path(c.sub), c.name));
    EXPECT_EQ(c.closed, m.LastRegResult);
  }
}

TEST_F(RegistryConformance, SaveValueStoresNumbersAndTexts) {
  // The value, whether SaveAsText is set, and the type and bytes stored.
  const std::tuple<RegValue, bool, std::uint32_t, std::string> cases[] = {
      {std::int32_t{-5}, false, kRegDword, "\xFB\xFF\xFF\xFF"s},
      {""s, false, kRegSz, "\0"s},
      {" 32 "s, true, kRegSz, "32\0"s},
      {std::int32_t{48}, true, kRegSz, "48\0"s},
  };
  for (const auto& [value, as_text, type, stored] : cases) {
    SCOPED_TRACE(stored);
    Seed("v", kRegBinary, "\1\2\3"s);  // replaced whatever its type
    m.SaveAsText = as_text;
    EXPECT_TRUE(m.SaveValue(kCurrentUser, Path(), "v", value));
    EXPECT_FALSE(m.SaveAsText);
    KeyHandle key(reg_);
    std::uint32_t got = 0xDEAD, size = 64;  // poisoned, so an untouched field shows
    std::string bytes(size, '\xCC');
    ASSERT_EQ(kSuccess, reg_.OpenKey(kCurrentUser, Path(), key.get()));
    ASSERT_EQ(kSuccess, reg_.QueryValue(key.get(), "v", &got,
                                        reinterpret_cast<std::uint8_t*>(bytes.data()), &size));
    EXPECT_EQ(std::pair(type, stored), std::pair(got, bytes.substr(0, size)));
  }
}

TEST_F(RegistryConformance, KeysAreCreatedOnlyBySavingAndNamesIgnoreCase) {
  m.DeleteValue(kCurrentUser, Path(), "v");
  EXPECT_FALSE(m.KeyExists(kCurrentUser, Path()));
  EXPECT_EQ(kInvalidHandle, m.LastRegResult);
  m.SaveValue(kCurrentUser, Path("Sub\\Key"), "Mixed", "a"s);
  m.SaveValue(kCurrentUser, Path("sub\\KEY"), "", "default"s);
  m.SaveValue(kCurrentUser, Path("SUB\\key"), "other", "7"s);
  EXPECT_TRUE(m.KeyExists(kCurrentUser, Path("Sub")));
  EXPECT_EQ(RegValue("a"s), m.QueryValue(kCurrentUser, Path("SUB\\KEY"), "MIXED"));
  EXPECT_EQ(RegValue("default"s), m.QueryValue(kCurrentUser, Path("Sub\\Key"), ""));

  m.DeleteValue(kCurrentUser, Path("Sub\\Key"), "absent");
  EXPECT_EQ(kSuccess, m.LastRegResult);  // the close overwrites the failed delete's code
  m.DeleteValue(kCurrentUser, Path("sub\\key"), "mixed");
  ReadOutcome outcome = ReadOutcome::kValue;
  m.QueryValue(kCurrentUser, Path("Sub\\Key"), "Mixed", &outcome);
  EXPECT_EQ(ReadOutcome::kMissing, outcome);
  EXPECT_EQ(RegValue(std::int32_t{7}), m.QueryValue(kCurrentUser, Path("Sub\\Key"), "Other"));
}

}  // namespace
}  // namespace quillmar
