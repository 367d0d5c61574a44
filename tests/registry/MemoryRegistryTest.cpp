// What only the in-memory registry can show: how refused access reaches the helpers.
#include <gtest/gtest.h>

#include "registry/MemoryRegistry.h"
#include "registry/Module1.h"

namespace quillmar {
namespace {

constexpr char kKey[] = "Software\\Quillmar";

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

}  // namespace
}  // namespace quillmar
