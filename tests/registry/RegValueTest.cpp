#include <gtest/gtest.h>

#include "registry/RegValue.h"

namespace quillmar {
namespace {

TEST(RegValue, ParseInt32AcceptsOnlyWholeDecimalNumbersInRange) {
  struct Case {
    const char* text;
    bool ok;
    std::int32_t value;
  };
  const Case cases[] = {
      {"0", true, 0},
      {"1", true, 1},
      {"  42  ", true, 42},
      {"-7", true, -7},
      {"+7", true, 7},
      {"007", true, 7},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, -2147483647 - 1},
      {"2147483648", false, 0},
      {"-2147483649", false, 0},
      {"", false, 0},
      {"   ", false, 0},
      {"+", false, 0},
      {"-", false, 0},
      {"+-1", false, 0},
      {"--1", false, 0},
      {"1.5", false, 0},
      {"1e3", false, 0},
      {"0x10", false, 0},
      {"4a", false, 0},
      {"1 2", false, 0},
      {"\t1", false, 0},
      {"First", false, 0},
  };
  for (const Case& c : cases) {
    std::int32_t out = -99;
    EXPECT_EQ(c.ok, ParseInt32(c.text, out)) << '"' << c.text << '"';
    EXPECT_EQ(c.ok ? c.value : -99, out) << '"' << c.text << '"';
  }
}

TEST(RegValue, EqualsOneTakesTheNumberAndTextsThatReadAsIt) {
  struct Case {
    RegValue value;
    bool one;
  };
  const Case cases[] = {
      {std::int32_t{1}, true},     {std::string("1"), true},   {std::string(" 1 "), true},
      {std::string("+1"), true},   {std::string("01"), true},  {std::int32_t{0}, false},
      {std::int32_t{-1}, false},   {std::string(""), false},   {std::string("1.0"), false},
      {std::string("one"), false}, {std::int32_t{257}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(c.one, EqualsOne(c.value)) << AsText(c.value);
}

}  // namespace
}  // namespace quillmar
