// What only the in-memory registry can show: that no handle outlives a helper, and how refused
// access reaches the helpers.
#include <gtest/gtest.h>

#include <functional>

#include "registry/MemoryRegistry.h"
#include "registry/Module1.h"

namespace quillmar {
namespace {

constexpr char kKey[] = "Software\\Quillmar";

TEST(MemoryRegistry, NoHandleOutlivesAHelper) {
  MemoryRegistry reg;
  Module1 m(reg);
  const std::vector<std::function<void()>> calls = {
      [&] { m.SaveValue(kCurrentUser, kKey, "a", std::string("1")); },
      [&] { m.SaveValue(kCurrentUser, kKey, "b", std::string("text")); },
      [&] { m.QueryValue(kCurrentUser, kKey, "a"); },
      [&] { m.QueryValue(kCurrentUser, kKey, "b"); },
      [&] { m.QueryValue(kCurrentUser, "Missing", "a"); },
      [&] { m.KeyExists(kCurrentUser, kKey); },
      [&] { m.DeleteValue(kCurrentUser, kKey, "a"); },
      [&] { m.DeleteValue(kCurrentUser, "Missing", "a"); },
  };
  for (std::size_t i = 0; i < calls.size(); ++i) {
    calls[i]();
    EXPECT_EQ(0u, reg.OpenHandles()) << "call " << i;
  }
}

TEST(MemoryRegistry, RefusedAccessIsRecordedAndNothingChanges) {
  struct Case {
    const char* label;
    MemoryRegistry::Access access;
    bool readable;
    std::int32_t close_result;  // an existing key still opens read-only; a denied one gives 0
  };
  for (const Case& c : {Case{"read-only", MemoryRegistry::Access::kReadOnly, true, kSuccess},
                        Case{"no access", MemoryRegistry::Access::kNone, false, kInvalidHandle}}) {
    SCOPED_TRACE(c.label);
    MemoryRegistry reg;
    Module1 m(reg);
    m.SaveValue(kLocalMachine, "Network\\Logon", "UserProfiles", std::string("1"));
    reg.SetAccess(kLocalMachine, "network", c.access);

    m.SaveValue(kLocalMachine, "Network\\Logon", "UserProfiles", std::string("0"));
    EXPECT_EQ(c.close_result, m.LastRegResult);
    m.SaveValue(kLocalMachine, "Network\\New", "v", std::string("0"));
    EXPECT_FALSE(m.KeyExists(kLocalMachine, "Network\\New"));
    m.DeleteValue(kLocalMachine, "Network\\Logon", "UserProfiles");

    const RegValue expected = c.readable ? RegValue(std::int32_t{1}) : RegValue(std::string());
    EXPECT_EQ(expected, m.QueryValue(kLocalMachine, "Network\\Logon", "UserProfiles"));
    EXPECT_EQ(0u, reg.OpenHandles());
  }
}

TEST(MemoryRegistry, ClosedHandlesAreInvalid) {
  MemoryRegistry reg;
  RegHandle key = 0;
  ASSERT_EQ(kSuccess, reg.CreateKey(kCurrentUser, kKey, key));
  ASSERT_EQ(kSuccess, reg.CloseKey(key));
  std::uint32_t type = 0;
  EXPECT_EQ(kInvalidHandle, reg.QueryValue(key, "", &type, nullptr, nullptr));
  EXPECT_EQ(kInvalidHandle, reg.CloseKey(key));
  EXPECT_EQ(kInvalidHandle, reg.CloseKey(0));
}

}  // namespace
}  // namespace quillmar
