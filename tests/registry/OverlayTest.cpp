#include <gtest/gtest.h>

#include "registry/OverlayRegistry.h"
#include "tests/support/HeadlessHost.h"

namespace quillmar::test {
namespace {

// Reads see the overlay's own writes, then the values in front, then the registry behind it,
// which nothing but a carried record changes.
TEST(Overlay, ReadsSeeRecordsThenFrontThenBehind) {
  MemoryRegistry memory;
  Store(memory, kCurrentUser, "K", "a", Text("behind"));
  Store(memory, kCurrentUser, "K", "b", Text("behind"));
  OverlayRegistry overlay(memory);
  overlay.PutInFront(kCurrentUser, "k", "A", {true, kRegSz, std::string("front\0", 6)});
  overlay.PutInFront(kCurrentUser, "New", "c", {true, kRegDword, Number(7).bytes});
  Module1 through(overlay), direct(memory);
  const auto values = [&](Module1& m) {
    return AsText(m.QueryValue(kCurrentUser, "K", "a")) +
           AsText(m.QueryValue(kCurrentUser, "K", "b")) +
           AsText(m.QueryValue(kCurrentUser, "New", "c"));
  };
  EXPECT_EQ("frontbehind7", values(through));
  through.SaveValue(kCurrentUser, "K", "a", std::string("mine"));
  through.DeleteValue(kCurrentUser, "K", "b");
  EXPECT_EQ("mine7", values(through));
  EXPECT_EQ("behindbehind", values(direct));
  for (const auto& record : overlay.records()) EXPECT_EQ(kSuccess, overlay.Carry(record));
  EXPECT_EQ("mine", values(direct));
}

}  // namespace
}  // namespace quillmar::test
