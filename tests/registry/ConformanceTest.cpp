// Run natively on the in-memory registry and under Wine on advapi32, each also behind the
// overlay that keeps its writes: every back end must pass the same.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "registry/KeyHandle.h"
#include "registry/Module1.h"
#include "registry/OverlayRegistry.h"
#ifdef _WIN32
#include <windows.h>

#include "registry/Win32Registry.h"
using Platform = quillmar::Win32Registry;
#else
#include "registry/MemoryRegistry.h"
using Platform = quillmar::MemoryRegistry;
#endif

namespace quillmar {
namespace {

using namespace std::string_literals;

struct PlatformOnly {
  Platform platform;
  RegistryBackend& reg = platform;
};
// The overlay as a dry run and the export use it, in front of the platform's registry.
struct KeptOverlay {
  Platform platform;
  OverlayRegistry overlay{platform, OverlayRegistry::Writes::kKept};
  RegistryBackend& reg = overlay;
};

template <typename Backend>
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

  static std::string Path(const std::string& sub = "") {
    const std::string root =
        "Software\\QuillmarTest\\"s + testing::UnitTest::GetInstance()->current_test_info()->name();
    return sub.empty() ? root : root + "\\" + sub;
  }

  void Seed(const std::string& name, std::uint32_t type, const std::string& bytes) {
    KeyHandle key(reg);
    ASSERT_EQ(kSuccess, reg.CreateKey(kCurrentUser, Path(), key.get()));
    ASSERT_EQ(kSuccess, reg.SetValue(key.get(), name, type,
                                     reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                     static_cast<std::uint32_t>(bytes.size())));
  }

  Backend backend;
  RegistryBackend& reg = backend.reg;
  Module1 m{reg};
};

using Backends = testing::Types<PlatformOnly, KeptOverlay>;
TYPED_TEST_SUITE(RegistryConformance, Backends);

TYPED_TEST(RegistryConformance, QueryValueReadsEveryStoredForm) {
  std::string high;
  for (int c = 0x80; c <= 0xFF; ++c) high += static_cast<char>(c);
  const struct {
    const char* label;
    std::uint32_t type;
    std::string stored;
    RegValue reads_as;
    const char* key = "";  // below the test's key, where the read looks
    const char* name = "v";
    std::int32_t closed = kSuccess;  // the close's answer: 6 for the handle 0 of a missing key
  } cases[] = {
      {.label = "text", .type = kRegSz, .stored = "First\0"s, .reads_as = "First"s},
      {.label = "text with an inner NUL", .type = kRegSz, .stored = "ab\0cd\0"s, .reads_as = "ab"s},
      {.label = "text without NUL", .type = kRegSz, .stored = "abc"s, .reads_as = "abc"s},
      {.label = "text of no bytes", .type = kRegSz, .stored = ""s, .reads_as = ""s},
      {.label = "text of high bytes", .type = kRegSz, .stored = high + '\0', .reads_as = high},
      {.label = "text of a mebibyte",
       .type = kRegSz,
       .stored = std::string(1 << 20, 'x') + '\0',
       .reads_as = std::string(1 << 20, 'x')},
      {.label = "number, least significant byte first",
       .type = kRegDword,
       .stored = "\x30\0\0\x80"s,
       .reads_as = std::int32_t{-2147483600}},
      {.label = "number of two bytes", .type = kRegDword, .stored = "\1\0"s, .reads_as = ""s},
      {.label = "number of eight bytes",
       .type = kRegDword,
       .stored = "\1\0\0\0\0\0\0\0"s,
       .reads_as = ""s},
      {.label = "expandable text", .type = kRegExpandSz, .stored = "%PATH%\0"s, .reads_as = ""s},
      {.label = "missing value",
       .type = kRegSz,
       .stored = "x\0"s,
       .reads_as = ""s,
       .name = "absent"},
      {.label = "missing key",
       .type = kRegSz,
       .stored = "x\0"s,
       .reads_as = ""s,
       .key = "nokey",
       .closed = kInvalidHandle},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    this->Seed("v", c.type, c.stored);
    this->m.LastRegResult = -7;
    EXPECT_EQ(c.reads_as, this->m.QueryValue(kCurrentUser, this->Path(c.key), c.name));
    EXPECT_EQ(c.closed, this->m.LastRegResult);
  }
}

TYPED_TEST(RegistryConformance, SaveValueStoresNumbersAndTexts) {
  const struct {
    RegValue value;
    bool save_as_text;
    std::uint32_t type;
    std::string stored;
  } cases[] = {
      {.value = std::int32_t{-5},
       .save_as_text = false,
       .type = kRegDword,
       .stored = "\xFB\xFF\xFF\xFF"s},
      {.value = ""s, .save_as_text = false, .type = kRegSz, .stored = "\0"s},
      {.value = " 32 "s, .save_as_text = true, .type = kRegSz, .stored = "32\0"s},
      {.value = std::int32_t{48}, .save_as_text = true, .type = kRegSz, .stored = "48\0"s},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    this->Seed("v", kRegBinary, "\1\2\3"s);  // replaced whatever its type
    this->m.SaveAsText = c.save_as_text;
    EXPECT_TRUE(this->m.SaveValue(kCurrentUser, this->Path(), "v", c.value));
    EXPECT_FALSE(this->m.SaveAsText);
    KeyHandle key(this->reg);
    std::uint32_t type = 0xDEAD;  // poisoned, so an untouched field shows
    std::uint32_t size = 64;
    std::string bytes(size, '\xCC');
    ASSERT_EQ(kSuccess, this->reg.OpenKey(kCurrentUser, this->Path(), key.get()));
    ASSERT_EQ(kSuccess, this->reg.QueryValue(key.get(), "v", &type,
                                             reinterpret_cast<std::uint8_t*>(bytes.data()), &size));
    EXPECT_EQ(c.type, type);
    EXPECT_EQ(c.stored, bytes.substr(0, size));
  }
}

TYPED_TEST(RegistryConformance, KeysAreCreatedOnlyBySaving) {
  Module1& helpers = this->m;
  helpers.DeleteValue(kCurrentUser, this->Path(), "v");
  EXPECT_FALSE(helpers.KeyExists(kCurrentUser, this->Path()));
  EXPECT_EQ(kInvalidHandle, helpers.LastRegResult);
  helpers.SaveValue(kCurrentUser, this->Path("Sub\\Key"), "v", "a"s);
  EXPECT_TRUE(helpers.KeyExists(kCurrentUser, this->Path("Sub")));
}

TYPED_TEST(RegistryConformance, NamesIgnoreCase) {
  Module1& helpers = this->m;
  helpers.SaveValue(kCurrentUser, this->Path("Sub\\Key"), "Mixed", "a"s);
  helpers.SaveValue(kCurrentUser, this->Path("sub\\KEY"), "", "default"s);
  EXPECT_EQ(RegValue("a"s), helpers.QueryValue(kCurrentUser, this->Path("SUB\\KEY"), "MIXED"));
  EXPECT_EQ(RegValue("default"s), helpers.QueryValue(kCurrentUser, this->Path("Sub\\Key"), ""));
  helpers.DeleteValue(kCurrentUser, this->Path("sub\\key"), "mixed");
  ReadOutcome outcome = ReadOutcome::kValue;
  helpers.QueryValue(kCurrentUser, this->Path("Sub\\Key"), "Mixed", &outcome);
  EXPECT_EQ(ReadOutcome::kMissing, outcome);
}

// The close that follows overwrites a failed delete's code.
TYPED_TEST(RegistryConformance, DeletingAMissingValueEndsInTheClosesResult) {
  Module1& helpers = this->m;
  helpers.SaveValue(kCurrentUser, this->Path(), "v", "a"s);
  helpers.DeleteValue(kCurrentUser, this->Path(), "absent");
  EXPECT_EQ(kSuccess, helpers.LastRegResult);
}

}  // namespace
}  // namespace quillmar
