#include <windows.h>

#include "tests/win32/ViewFixture.h"

namespace quillmar::test {
namespace {

// What the log-off prompt saw while it was open; filled in by a timer inside its message loop.
struct ModalSeen {
  HWND prompt = nullptr;
  HWND owner = nullptr;
  bool beneath_enabled = true;
} seen;
HWND beneath = nullptr;

void CALLBACK CloseThePrompt(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  seen.prompt = FindWindowW(nullptr, L"Quillmar");
  seen.owner = GetWindow(seen.prompt, GW_OWNER);
  seen.beneath_enabled = IsWindowEnabled(beneath) != FALSE;
  PostMessageW(seen.prompt, WM_CLOSE, 0, 0);
}

TEST_F(ViewTest, AModalWindowHoldsTheOthersUntilItsCloseBox) {
  beneath = Open("Form4").hwnd();
  host.Find(*forms.Find("Form4"))->Show(nullptr);
  SetTimer(nullptr, 0, 50, CloseThePrompt);
  forms.Show(*forms.Load("Form5"), true);
  // The show returns only after the prompt was closed.
  EXPECT_NE(seen.prompt, beneath);
  EXPECT_EQ(seen.owner, beneath);
  EXPECT_FALSE(seen.beneath_enabled);
  EXPECT_EQ(forms.Find("Form5"), nullptr);
  EXPECT_FALSE(IsWindow(seen.prompt));
  EXPECT_TRUE(IsWindowEnabled(beneath));
}

TEST_F(ViewTest, TheFocusSurvivesATripToAnotherWindow) {
  win32::WindowView& tweak = Open("Form4");
  tweak.Show(nullptr);
  HWND box = Control("Form4", "ChckFind");
  SetFocus(box);
  if (GetFocus() != box) GTEST_SKIP() << "no keyboard focus without a display";
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 50, 50,
                               nullptr, nullptr, nullptr, nullptr);
  SetActiveWindow(other);
  EXPECT_NE(GetFocus(), box);
  SetActiveWindow(tweak.hwnd());
  EXPECT_EQ(GetFocus(), box);
  DestroyWindow(other);
}

TEST_F(ViewTest, TheAgreementOpensWithTheFocusInItsText) {
  Open("Form7");
  HWND text = Control("Form7", "Text1");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(GetWindowLongW(text, GWL_STYLE) & ES_READONLY, ES_READONLY);
  EXPECT_EQ(GetFocus(), text);
  // The keyboard walks the text and the two buttons only, in their tab order.
  HWND window = GetParent(text);
  HWND yes = GetNextDlgTabItem(window, text, FALSE);
  EXPECT_EQ(yes, Control("Form7", "Command1"));
  EXPECT_EQ(GetNextDlgTabItem(window, yes, FALSE), Control("Form7", "Command2"));
  EXPECT_EQ(GetNextDlgTabItem(window, Control("Form7", "Command2"), FALSE), text);
}

}  // namespace
}  // namespace quillmar::test
