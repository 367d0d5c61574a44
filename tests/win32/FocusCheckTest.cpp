#include <windows.h>

#include <commctrl.h>

#include "tests/win32/ViewFixture.h"
#include "tweak/Form4.h"

namespace quillmar::test {
namespace {

constexpr char kMessage[] = "MsgBox: Size must be a number (0 - 100).";

class FocusCheckTest : public ViewTest {
 protected:
  FocusCheckTest() : view(Open("Form4")), form(dynamic_cast<Form4&>(view.model())) {
    form.TabStrip1.Select(2);
  }
  HWND Get(const std::string& name) { return Control("Form4", name); }
  // The user typed into the icon size box and the focus is leaving it.
  void Leave(const wchar_t* text) {
    SetWindowTextW(Get("Txtpix"), text);
    Command(Get("Txtpix"), EN_KILLFOCUS);
  }
  int Messages() const {
    int n = 0;
    for (const std::string& e : host.events) n += e == kMessage ? 1 : 0;
    return n;
  }

  win32::WindowView& view;
  Form4& form;
};

// The model refuses the action; the view takes back what the real control already did.
TEST_F(FocusCheckTest, ARefusedActionIsTakenBackOnScreen) {
  const int slider = form.Slider1.value();
  Leave(L"abc");
  SendMessageW(Get("Slider1"), TBM_SETPOS, TRUE, 90);
  Scroll(Get("Slider1"), TB_PAGEDOWN);
  EXPECT_EQ(Messages(), 1);
  EXPECT_EQ(SendMessageW(Get("Slider1"), TBM_GETPOS, 0, 0), slider);

  Leave(L"abc");
  EXPECT_EQ(Notify(Get("TabStrip1"), TCN_SELCHANGING), TRUE) << "the page change is refused";
  EXPECT_EQ(Messages(), 2);
}

TEST_F(FocusCheckTest, AFocusThatLeftTheProgramPutsTheCheckOff) {
  // The window is hidden: no control of the program has the focus.
  Leave(L"abc");
  Pump();
  Command(Get("ChckHide"), BN_CLICKED);
  EXPECT_EQ(Messages(), 0);
}

TEST_F(FocusCheckTest, TheFocusGoesBackIntoTheBoxOnce) {
  view.Show(nullptr);
  SetFocus(Get("ChckHide"));
  if (GetFocus() != Get("ChckHide")) GTEST_SKIP() << "no keyboard focus without a display";
  Leave(L"200");
  Pump();
  EXPECT_EQ(Messages(), 1);
  EXPECT_EQ(GetFocus(), Get("Txtpix"));
  Pump();
  EXPECT_EQ(Messages(), 1) << "putting the focus back runs no new check";
}

}  // namespace
}  // namespace quillmar::test
