#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "app/Start.h"
#include "registry/MemoryRegistry.h"
#include "tweak/Form4.h"
#include "win32/Fonts.h"
#include "win32/SystemDlls.h"
#include "win32/Win32Host.h"

namespace quillmar::test {
namespace {

// The real host, except that a message is recorded instead of waiting for the user.
struct RecordingHost final : win32::Win32Host {
  RecordingHost() : Win32Host(GetModuleHandleW(nullptr)) {}
  void MsgBox(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

// The program's windows over an empty registry: real windows that never need a display.
class View : public ::testing::Test {
 protected:
  View() {
    host.Attach(forms);
    RegisterWindows(forms, module);
  }
  win32::WindowView& Open(const char* window) { return *host.Realize(*forms.Load(window)); }
  // The tweak window's control, every page made first; "" is the window itself.
  HWND Handle(const char* control) {
    return *control ? Open("Form4").Handle(control) : Open("Form4").hwnd();
  }
  Form4& Tweak() { return dynamic_cast<Form4&>(Open("Form4").model()); }
  // Shows the tweak window and lets it make its hidden pages, a page a tick; returns the tips
  // that come once every page is in.
  HWND ShowTweak() {
    Open("Form4").Show(nullptr);
    for (int tick = 0; tick < 100; ++tick) {
      if (HWND tips = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr)) return tips;
      if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT) == WAIT_OBJECT_0)
        for (MSG m; PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&m);
    }
    return nullptr;
  }
  // Whether a control of that class lies on a page, asked of the real windows: asking the view
  // would make every page.
  bool OnAPage(const wchar_t* cls) {
    HWND window = Open("Form4").hwnd();
    for (HWND f = nullptr; (f = FindWindowExW(window, f, L"QuillmarContainer", nullptr));)
      if (FindWindowExW(f, nullptr, cls, nullptr)) return true;
    return false;
  }

  MemoryRegistry registry;
  Module1 module{registry};
  RecordingHost host;
  ui::Forms forms{host};
};

// Figures from the layout description at 96 DPI: 15 twips a pixel, rounded.
TEST_F(View, ControlsLieWhereTheLayoutPutsThem) {
  const struct {
    const char* name;         // "": the window's own client area
    std::vector<LONG> place;  // left, top, right, bottom
  } cases[] = {
      {.name = "", .place = {0, 0, 369, 437}},
      {.name = "BtnApply", .place = {272, 400, 353, 425}},
      {.name = "Label11", .place = {24, 216, 73, 233}},  // on a page
  };
  ShowTweak();  // pages made late move nothing
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    HWND hwnd = Handle(c.name);
    RECT r{};
    GetClientRect(hwnd, &r);
    if (*c.name) MapWindowPoints(hwnd, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(std::vector<LONG>({r.left, r.top, r.right, r.bottom}), c.place);
  }
}

// 8.25 pt in the layout's weight, in a face the system really has, Central European where the
// face has it (Wine's Tahoma does), never a character set that swaps the face.
TEST_F(View, TextIsInTheLayoutsFont) {
  const struct {
    const char* name;
    bool bold;
  } cases[] = {
      {.name = "BtnApply", .bold = false},
      {.name = "Label11", .bold = true},
  };
  EXPECT_EQ(win32::FaceCharset(L"Tahoma"), EASTEUROPE_CHARSET);
  const int charset = win32::FaceCharset(L"MS Sans Serif");
  HDC screen = GetDC(nullptr);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(Handle(c.name), WM_GETFONT, 0, 0));
    LOGFONTW asked{};
    ASSERT_NE(GetObjectW(font, sizeof asked, &asked), 0);
    EXPECT_EQ(asked.lfWeight, c.bold ? FW_BOLD : FW_NORMAL);
    EXPECT_EQ(asked.lfHeight, -11) << "8.25 pt";
    EXPECT_TRUE(charset < 0 || asked.lfCharSet == charset);
    HGDIOBJ old = SelectObject(screen, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(screen, LF_FACESIZE, face);
    EXPECT_STREQ(face, asked.lfFaceName);
    SelectObject(screen, old);
  }
  ReleaseDC(nullptr, screen);
}

// A hidden page is made when it is shown or once the window is up, and still lies in the
// table's order, above the tabs.
TEST_F(View, HiddenPagesAreMadeLateInTheTablesOrder) {
  Tweak().TabStrip1.Select(3);
  EXPECT_TRUE(OnAPage(L"ListBox"));
  EXPECT_FALSE(OnAPage(TRACKBAR_CLASSW));
  ShowTweak();
  EXPECT_TRUE(OnAPage(TRACKBAR_CLASSW));
  std::vector<int> stacked;
  for (HWND c = GetWindow(Open("Form4").hwnd(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    stacked.push_back(GetDlgCtrlID(c));
  EXPECT_TRUE(std::is_sorted(stacked.begin(), stacked.end()));
}

TEST_F(View, TheListShowsItsItemsOneByOneEvenWhereTwoTextsAreTheSame) {
  HWND list = Handle("List1");
  for (const char* item : {"a", "b", "c", "b"}) Tweak().List1.AddItem(item);
  Tweak().List1.SetListIndex(3);
  for (int i : {1, 0}) Tweak().List1.RemoveItem(i);
  wchar_t shown[8] = {};  // one letter an item
  for (int i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i)
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(shown + i));
  EXPECT_STREQ(shown, L"cb");
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
}

TEST_F(View, AnInvalidSizeRefusesTheSlidersMoveAndTheChangeOfPage) {
  Tweak().TabStrip1.Select(2);
  HWND box = Handle("Txtpix");
  HWND slider = Handle("Slider1");
  HWND tabs = Handle("TabStrip1");
  const auto leave_the_box = [&] {
    SetWindowTextW(box, L"abc");
    SendMessageW(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), EN_KILLFOCUS),
                 reinterpret_cast<LPARAM>(box));
  };
  leave_the_box();
  SendMessageW(slider, TBM_SETPOS, TRUE, 90);
  SendMessageW(GetParent(slider), WM_HSCROLL, MAKEWPARAM(TB_PAGEDOWN, 90),
               reinterpret_cast<LPARAM>(slider));
  EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 32);  // the size it had
  leave_the_box();
  NMHDR change{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), TCN_SELCHANGING};
  EXPECT_TRUE(
      SendMessageW(GetParent(tabs), WM_NOTIFY, change.idFrom, reinterpret_cast<LPARAM>(&change)));
  EXPECT_EQ(host.messages, std::vector<std::string>(2, "Size must be a number (0 - 100)."));
}

TEST_F(View, ThePromptIsOwnedByTheWindowBeneathAndDisablesItUntilClosed) {
  static HWND beneath, prompt;  // for a timer that looks inside the modal loop
  beneath = Open("Form4").hwnd();
  Open("Form4").Show(nullptr);
  SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    prompt = FindWindowW(nullptr, L"Quillmar");
    EXPECT_EQ(GetWindow(prompt, GW_OWNER), beneath);
    EXPECT_FALSE(IsWindowEnabled(beneath));
    PostMessageW(prompt, WM_CLOSE, 0, 0);
  });
  forms.Show(*forms.Load("Form5"), true);  // returns only once the prompt is closed
  EXPECT_FALSE(IsWindow(prompt));
  EXPECT_TRUE(IsWindowEnabled(beneath));
}

TEST_F(View, LogOffIsForThisUserOnlyWithNothingForced) {
  static std::pair<UINT, DWORD> asked;  // the flags and the reason
  host.exit_windows = [](UINT flags, DWORD reason) -> BOOL {
    asked = {flags, reason};
    return TRUE;
  };
  host.LogOff();
  EXPECT_EQ(asked, std::pair(UINT{EWX_LOGOFF}, DWORD{0xFFF}));
}

TEST_F(View, EverySettingHasItsTipInOneTipWindowOfTheTweakWindow) {
  HWND tips = ShowTweak();
  EXPECT_EQ(GetWindow(tips, GW_OWNER), Open("Form4").hwnd());
  EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 32);
}

TEST_F(View, TheTipsWrapAtAWidthThatFollowsTheDpi) {
  HWND tips = ShowTweak();
  RECT suggested{0, 0, 800, 900};
  SendMessageW(Open("Form4").hwnd(), WM_DPICHANGED, MAKEWPARAM(192, 192),
               reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(SendMessageW(tips, TTM_GETMAXTIPWIDTH, 0, 0), 720) << "360 at 96 DPI";
}

// A DLL beside the program, where a plain search looks first, never loads: not as a SystemDll,
// and by no plain name either once the search is System32 only.
TEST(SystemDlls, NoneBesideTheProgramLoads) {
  wchar_t program[MAX_PATH];
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  const std::wstring beside = std::wstring(program, wcsrchr(program, L'\\') + 1) + L"beside.dll";
  ASSERT_TRUE(CopyFileW(program, beside.c_str(), FALSE));  // any image loads
  EXPECT_FALSE(win32::SystemDll(L"beside.dll"));
  win32::SearchSystem32Only();
  EXPECT_EQ(LoadLibraryW(L"beside.dll"), nullptr);
  DeleteFileW(beside.c_str());
}

// Loaded by name from System32, the window's common controls are still the version 6 that the
// manifest names.
TEST(SystemDlls, TheWindowGetsTheCommonControlsOfVersion6) {
  const win32::WindowDlls dlls;
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(GetModuleHandleW(L"comctl32.dll"), path, MAX_PATH);
  EXPECT_NE(std::wstring(path).find(L"common-controls_6595b64144ccf1df_6."), std::wstring::npos)
      << path;
}

// The areas each WM_SETTINGCHANGE names, noted by a top-level window of the test's own thread.
std::vector<std::wstring> told;
LRESULT CALLBACK Listener(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_SETTINGCHANGE && lparam != 0)
    told.emplace_back(reinterpret_cast<const wchar_t*>(lparam));
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

TEST_F(View, ApplyTellsRunningProgramsThatPoliciesAndMetricsChanged) {
  WNDCLASSW listener{};
  listener.lpfnWndProc = Listener;
  listener.lpszClassName = L"QuillmarTestListener";
  RegisterClassW(&listener);
  HWND window = CreateWindowW(listener.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              nullptr, nullptr);
  Tweak().OptDontPromptAndDontLogOff1.Select();
  Tweak().BtnApply.Click();
  DestroyWindow(window);
  EXPECT_EQ(told, (std::vector<std::wstring>{L"Policy", L"WindowMetrics"}));
}

TEST_F(View, AWindowThatStopsAnsweringHoldsApplyNoLongerThanTwoSeconds) {
  struct Events {
    HANDLE created, release;
  } events{CreateEventW(nullptr, TRUE, FALSE, nullptr),
           CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  HANDLE hung = CreateThread(
      nullptr, 0,
      [](void* shared) -> DWORD {
        const Events& e = *static_cast<Events*>(shared);
        CreateWindowW(L"Static", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        SetEvent(e.created);
        WaitForSingleObject(e.release, INFINITE);  // never looks at its messages meanwhile
        return 0;
      },
      &events, 0, nullptr);
  WaitForSingleObject(events.created, INFINITE);
  Tweak().OptDontPromptAndDontLogOff1.Select();
  const ULONGLONG start = GetTickCount64();
  Tweak().BtnApply.Click();
  EXPECT_LT(GetTickCount64() - start, 2500u);
  SetEvent(events.release);
  WaitForSingleObject(hung, INFINITE);
  for (HANDLE h : {hung, events.created, events.release}) CloseHandle(h);
}

}  // namespace
}  // namespace quillmar::test
