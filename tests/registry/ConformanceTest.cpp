// One suite for the registry helpers, run natively against the in-memory registry and under
// Wine against advapi32: the fast native runs mean something only while both pass it.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "registry/KeyHandle.h"
#include "registry/Module1.h"
#include "tests/registry/Scratch.h"

namespace quillmar {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes B(const std::string& s) {
  return Bytes(s.begin(), s.end());
}

class RegistryConformance : public testing::Test {
 protected:
  void SetUp() override {
    scratch_ = test::MakeScratch(testing::UnitTest::GetInstance()->current_test_info()->name());
  }

  RegistryBackend& reg() { return scratch_->registry(); }
  std::string Path(const std::string& sub = "") const {
    return sub.empty() ? scratch_->path() : scratch_->path() + "\\" + sub;
  }

  void Seed(const std::string& name, std::uint32_t type, const Bytes& bytes) {
    KeyHandle key(reg());
    ASSERT_EQ(kSuccess, reg().CreateKey(kCurrentUser, Path(), key.get()));
    ASSERT_EQ(kSuccess, reg().SetValue(key.get(), name, type, bytes.data(),
                                       static_cast<std::uint32_t>(bytes.size())));
    ASSERT_EQ(kSuccess, key.Close());
  }

  struct Stored {
    bool present = false;
    std::uint32_t type = 0xDEAD;  // poisoned, so an untouched field shows
    Bytes bytes;
  };

  Stored Read(const std::string& name, const std::string& sub = "") {
    Stored out;
    KeyHandle key(reg());
    if (reg().OpenKey(kCurrentUser, Path(sub), key.get()) != kSuccess) return out;
    std::uint32_t size = 0;
    if (reg().QueryValue(key.get(), name, &out.type, nullptr, &size) != kSuccess) return out;
    out.bytes.assign(size, 0xCC);
    if (reg().QueryValue(key.get(), name, &out.type, out.bytes.data(), &size) != kSuccess)
      return out;
    out.bytes.resize(size);
    out.present = true;
    return out;
  }

  std::unique_ptr<test::Scratch> scratch_;
};

struct ReadCase {
  const char* label;
  std::uint32_t type;
  Bytes stored;
  RegValue expected;
};

TEST_F(RegistryConformance, QueryValueReadsEveryStoredForm) {
  Bytes high;
  for (int c = 0x80; c <= 0xFF; ++c) high.push_back(static_cast<std::uint8_t>(c));
  const std::string high_text(high.begin(), high.end());
  const std::string mebibyte(1 << 20, 'x');

  const std::vector<ReadCase> cases = {
      {"text", kRegSz, B(std::string("First\0", 6)), std::string("First")},
      {"text with an inner NUL", kRegSz, B(std::string("ab\0cd\0", 6)), std::string("ab")},
      {"text without NUL", kRegSz, B("abc"), std::string("abc")},
      {"text of no bytes", kRegSz, {}, std::string()},
      {"text of one NUL", kRegSz, {0}, std::string()},
      {"text of high bytes", kRegSz,
       [&] {
         Bytes b = high;
         b.push_back(0);
         return b;
       }(),
       high_text},
      {"text of a mebibyte", kRegSz,
       [&] {
         Bytes b = B(mebibyte);
         b.push_back(0);
         return b;
       }(),
       mebibyte},
      {"numeric text stays text", kRegSz, B(std::string("1\0", 2)), std::string("1")},
      {"number", kRegDword, {1, 0, 0, 0}, std::int32_t{1}},
      {"number all ones", kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}, std::int32_t{-1}},
      {"number little-endian", kRegDword, {0x30, 0, 0, 0x80}, std::int32_t{-2147483600}},
      {"number of two bytes", kRegDword, {1, 0}, std::string()},
      {"number of eight bytes", kRegDword, {1, 0, 0, 0, 0, 0, 0, 0}, std::string()},
      {"expandable text", kRegExpandSz, B(std::string("%PATH%\0", 7)), std::string()},
      {"binary", kRegBinary, {1, 2, 3}, std::string()},
      {"multiple texts", kRegMultiSz, B(std::string("a\0b\0\0", 5)), std::string()},
      {"64-bit number", kRegQword, {1, 0, 0, 0, 0, 0, 0, 0}, std::string()},
      {"unknown type", 0x1234, {1, 0, 0, 0}, std::string()},
      {"type none", kRegNone, {1}, std::string()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    Seed("v", c.type, c.stored);
    Module1 m(reg());
    m.LastRegResult = -7;
    EXPECT_EQ(c.expected, m.QueryValue(kCurrentUser, Path(), "v"));
    EXPECT_EQ(kSuccess, m.LastRegResult);  // the close of an opened key
  }
}

TEST_F(RegistryConformance, QueryValueOfWhatIsMissingIsEmptyText) {
  Seed("present", kRegDword, {1, 0, 0, 0});
  struct Case {
    const char* label;
    std::string path;
    const char* name;
    std::int32_t last_result;  // the close's answer: 0 for an opened key, 6 for the handle 0
  };
  const std::vector<Case> cases = {
      {"missing value", Path(), "absent", kSuccess},
      {"missing key", Path("nokey"), "present", kInvalidHandle},
      {"missing middle keys", Path("a\\b\\c"), "present", kInvalidHandle},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    Module1 m(reg());
    EXPECT_EQ(RegValue(std::string()), m.QueryValue(kCurrentUser, c.path, c.name));
    EXPECT_EQ(c.last_result, m.LastRegResult);
  }
}

TEST_F(RegistryConformance, NamesIgnoreCase) {
  Module1 m(reg());
  m.SaveValue(kCurrentUser, Path("Sub\\Key"), "MixedCase", std::string("a"));
  EXPECT_EQ(RegValue(std::string("a")), m.QueryValue(kCurrentUser, Path("SUB\\key"), "mixedcase"));
  m.SaveValue(kCurrentUser, Path("sub\\KEY"), "MIXEDCASE", std::string("7"));
  EXPECT_EQ(RegValue(std::int32_t{7}), m.QueryValue(kCurrentUser, Path("Sub\\Key"), "MixedCase"));
  m.DeleteValue(kCurrentUser, Path("SUB\\KEY"), "mixedCASE");
  EXPECT_FALSE(Read("MixedCase", "Sub\\Key").present);
}

struct SaveCase {
  const char* label;
  RegValue value;
  bool as_text;
  std::uint32_t type;
  Bytes bytes;
};

TEST_F(RegistryConformance, SaveValueStoresNumbersAndTexts) {
  const std::vector<SaveCase> cases = {
      {"one", std::string("1"), false, kRegDword, {1, 0, 0, 0}},
      {"zero", std::string("0"), false, kRegDword, {0, 0, 0, 0}},
      {"number", std::int32_t{48}, false, kRegDword, {48, 0, 0, 0}},
      {"negative with blanks", std::string(" -5 "), false, kRegDword, {0xFB, 0xFF, 0xFF, 0xFF}},
      {"plus sign", std::string("+7"), false, kRegDword, {7, 0, 0, 0}},
      {"smallest", std::string("-2147483648"), false, kRegDword, {0, 0, 0, 0x80}},
      {"too large stays text", std::string("2147483648"), false, kRegSz,
       B(std::string("2147483648\0", 11))},
      {"fraction stays text", std::string("1.5"), false, kRegSz, B(std::string("1.5\0", 4))},
      {"hex stays text", std::string("0x10"), false, kRegSz, B(std::string("0x10\0", 5))},
      {"two signs stay text", std::string("+-1"), false, kRegSz, B(std::string("+-1\0", 4))},
      {"word", std::string("First"), false, kRegSz, B(std::string("First\0", 6))},
      {"padded word trimmed", std::string("  Word  "), false, kRegSz, B(std::string("Word\0", 5))},
      {"empty text", std::string(), false, kRegSz, {0}},
      {"blanks only", std::string("   "), false, kRegSz, {0}},
      {"forced text", std::string("32"), true, kRegSz, B(std::string("32\0", 3))},
      {"forced number", std::int32_t{48}, true, kRegSz, B(std::string("48\0", 3))},
      {"forced text trimmed", std::string(" 32 "), true, kRegSz, B(std::string("32\0", 3))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    Module1 m(reg());
    m.SaveAsText = c.as_text;
    m.SaveValue(kCurrentUser, Path(), "v", c.value);
    EXPECT_FALSE(m.SaveAsText);
    EXPECT_EQ(kSuccess, m.LastRegResult);
    const Stored s = Read("v");
    ASSERT_TRUE(s.present);
    EXPECT_EQ(c.type, s.type);
    EXPECT_EQ(c.bytes, s.bytes);
  }
}

TEST_F(RegistryConformance, SaveAsTextLastsOneCall) {
  Module1 m(reg());
  m.SaveAsText = true;
  m.SaveValue(kCurrentUser, Path(), "first", std::string("32"));
  m.SaveValue(kCurrentUser, Path(), "second", std::string("32"));
  EXPECT_EQ(RegValue(std::string("32")), m.QueryValue(kCurrentUser, Path(), "first"));
  EXPECT_EQ(RegValue(std::int32_t{32}), m.QueryValue(kCurrentUser, Path(), "second"));
}

TEST_F(RegistryConformance, SaveValueCreatesEveryMissingKeyAndReplacesAnyType) {
  Module1 m(reg());
  EXPECT_FALSE(m.KeyExists(kCurrentUser, Path("a")));
  m.SaveValue(kCurrentUser, Path("a\\b\\c"), "v", std::string("x"));
  for (const char* sub : {"a", "a\\b", "a\\b\\c"})
    EXPECT_TRUE(m.KeyExists(kCurrentUser, Path(sub)));
  Seed("t", kRegBinary, {1, 2, 3});
  m.SaveValue(kCurrentUser, Path(), "t", std::string("1"));
  EXPECT_EQ(RegValue(std::int32_t{1}), m.QueryValue(kCurrentUser, Path(), "t"));
  m.SaveValue(kCurrentUser, Path(), "", std::string("default"));
  EXPECT_EQ(RegValue(std::string("default")), m.QueryValue(kCurrentUser, Path(), ""));
}

TEST_F(RegistryConformance, KeyExistsAnswersAndRecordsTheClose) {
  Module1 m(reg());
  EXPECT_FALSE(m.KeyExists(kCurrentUser, Path()));
  EXPECT_EQ(kInvalidHandle, m.LastRegResult);
  Seed("v", kRegSz, {0});
  EXPECT_TRUE(m.KeyExists(kCurrentUser, Path()));
  EXPECT_EQ(kSuccess, m.LastRegResult);
}

TEST_F(RegistryConformance, DeleteValueTouchesOnlyItsValue) {
  Module1 m(reg());
  m.DeleteValue(kCurrentUser, Path("never"), "v");
  EXPECT_FALSE(m.KeyExists(kCurrentUser, Path("never")));

  Seed("keep", kRegSz, B(std::string("k\0", 2)));
  Seed("gone", kRegDword, {1, 0, 0, 0});
  m.DeleteValue(kCurrentUser, Path(), "absent");
  EXPECT_EQ(kSuccess, m.LastRegResult);  // the close overwrites the failed delete's code
  m.DeleteValue(kCurrentUser, Path(), "gone");
  EXPECT_FALSE(Read("gone").present);
  EXPECT_EQ(RegValue(std::string("k")), m.QueryValue(kCurrentUser, Path(), "keep"));
}

}  // namespace
}  // namespace quillmar
