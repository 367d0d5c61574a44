// What only the in-memory registry can show: how refused access reaches the helpers.
#include <gtest/gtest.h>

#include "registry/MemoryRegistry.h"
#include "registry/Module1.h"

namespace quillmar {
namespace {

TEST(MemoryRegistry, RefusedAccessIsRecordedAndNothingChanges) {
  using Access = MemoryRegistry::Access;
  // An existing key still opens read-only, so its close succeeds; a denied one closes the handle 0.
  for (const auto& [access, readable, closed] :
       {std::tuple{Access::kReadOnly, true, kSuccess},
        std::tuple{Access::kNone, false, kInvalidHandle}}) {
    MemoryRegistry reg;
    Module1 m(reg);
    m.SaveValue(kLocalMachine, "Network\\Logon", "UserProfiles", std::string("1"));
    reg.SetAccess(kLocalMachine, "network", access);
    EXPECT_FALSE(m.SaveValue(kLocalMachine, "Network\\Logon", "UserProfiles", std::string("0")));
    EXPECT_EQ(closed, m.LastRegResult);
    m.SaveValue(kLocalMachine, "Network\\New", "v", std::string("0"));
    EXPECT_FALSE(m.KeyExists(kLocalMachine, "Network\\New"));
    EXPECT_FALSE(m.DeleteValue(kLocalMachine, "Network\\Logon", "UserProfiles"));
    EXPECT_EQ(readable ? RegValue(std::int32_t{1}) : RegValue(std::string()),
              m.QueryValue(kLocalMachine, "Network\\Logon", "UserProfiles"));
    EXPECT_EQ(0u, reg.OpenHandles());
  }
}

}  // namespace
}  // namespace quillmar
