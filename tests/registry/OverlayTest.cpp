#include <gtest/gtest.h>

#include "registry/OverlayRegistry.h"
#include "tests/support/HeadlessHost.h"

namespace quillmar::test {
namespace {

// Reads see the overlay's own records first, then the values in front, then the registry behind.
TEST(Overlay, ReadsSeeRecordsThenFrontThenBehind) {
  MemoryRegistry memory;
  for (const char* name : {"a", "b", "c"}) Store(memory, kCurrentUser, "K", name, Text("behind"));
  OverlayRegistry overlay(memory);
  overlay.PutInFront(kCurrentUser, "k", "A", {true, kRegSz, std::string("front\0", 6)});
  overlay.PutInFront(kCurrentUser, "k", "B", {true, kRegSz, std::string("front\0", 6)});
  Module1 m(overlay);
  m.SaveValue(kCurrentUser, "K", "b", std::string("mine"));
  m.DeleteValue(kCurrentUser, "K", "c");
  EXPECT_EQ("front mine", AsText(m.QueryValue(kCurrentUser, "K", "a")) + " " +
                              AsText(m.QueryValue(kCurrentUser, "K", "b")) +
                              AsText(m.QueryValue(kCurrentUser, "K", "c")));
}

}  // namespace
}  // namespace quillmar::test
