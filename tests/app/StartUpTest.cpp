#include <gtest/gtest.h>

#include "app/Form7.h"
#include "app/Start.h"
#include "tests/support/HeadlessHost.h"

namespace quillmar {
namespace {

constexpr char kKey[] = "Software\\Quillmar";

void StoreFirstTime(test::Program& p, std::uint32_t type, const std::string& bytes) {
  RegHandle key = 0;
  ASSERT_EQ(kSuccess, p.registry.CreateKey(kCurrentUser, kKey, key));
  p.registry.SetValue(key, "FirstTime", type, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                      static_cast<std::uint32_t>(bytes.size()));
  p.registry.CloseKey(key);
}

TEST(StartUp, FirstTimeDecidesWhichWindowOpens) {
  struct Case {
    const char* label;
    bool stored;
    std::uint32_t type;
    std::string bytes;
    bool agreement;
  };
  const Case cases[] = {
      {"missing key", false, 0, "", true},
      {"empty text", true, kRegSz, std::string("\0", 1), true},
      {"First", true, kRegSz, std::string("First\0", 6), false},
      {"First with trailing NULs", true, kRegSz, std::string("First\0\0\0", 8), false},
      {"another text", true, kRegSz, std::string("yes\0", 4), false},
      {"a number", true, kRegDword, std::string("\1\0\0\0", 4), false},
      {"another type", true, kRegBinary, std::string("First", 5), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test::Program p;
    if (c.stored) StoreFirstTime(p, c.type, c.bytes);
    Start(p.forms);
    if (c.agreement) {
      EXPECT_NE(nullptr, p.forms.Find("Form7"));
      EXPECT_EQ(nullptr, p.forms.Find("Form4"));
      EXPECT_EQ((std::vector<std::string>{"Show: Form7", "Beep"}), p.host.events);
      EXPECT_EQ(RegValue(std::string("First")),
                p.module.QueryValue(kCurrentUser, kKey, "FirstTime"));
    } else {
      EXPECT_EQ(nullptr, p.forms.Find("Form7"));
      EXPECT_NE(nullptr, p.forms.Find("Form4"));
      EXPECT_EQ((std::vector<std::string>{"Close: Form7", "Show: Form4"}), p.host.events);
    }
  }
}

TEST(StartUp, AgreementAnswers) {
  struct Case {
    const char* label;
    std::function<void(test::Program&, Form7&)> answer;
    bool tweak_opens;
    RegValue first_time;
  };
  const Case cases[] = {
      {"Yes", [](test::Program&, Form7& f) { f.Command1.Click(); }, true, std::string("First")},
      {"No", [](test::Program&, Form7& f) { f.Command2.Click(); }, false, std::string()},
      {"close box", [](test::Program& p, Form7& f) { p.forms.Close(f); }, false,
       std::string("First")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test::Program p;
    Start(p.forms);
    auto* agreement = dynamic_cast<Form7*>(p.forms.Find("Form7"));
    ASSERT_NE(nullptr, agreement);
    c.answer(p, *agreement);
    p.forms.Collect();
    EXPECT_EQ(nullptr, p.forms.Find("Form7"));
    EXPECT_EQ(c.tweak_opens, p.forms.Find("Form4") != nullptr);
    EXPECT_EQ(c.tweak_opens, p.forms.AnyOpen());
    EXPECT_EQ(c.first_time, p.module.QueryValue(kCurrentUser, kKey, "FirstTime"));

    // The next start shows the agreement again only after "No".
    test::Program next;
    StoreFirstTime(next, kRegSz, std::get<std::string>(c.first_time) + '\0');
    Start(next.forms);
    EXPECT_EQ(!c.tweak_opens && c.label == std::string("No"), next.forms.Find("Form7") != nullptr);
  }
}

}  // namespace
}  // namespace quillmar
