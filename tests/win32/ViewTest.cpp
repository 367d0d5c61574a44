#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "app/Start.h"
#include "registry/MemoryRegistry.h"
#include "registry/Module1.h"
#include "tweak/Form4.h"
#include "ui/Forms.h"
#include "win32/Fonts.h"
#include "win32/Win32Host.h"

namespace quillmar::test {
namespace {

// The real host, except that a message is recorded instead of waiting for the user.
class RecordingHost final : public win32::Win32Host {
 public:
  RecordingHost() : Win32Host(GetModuleHandleW(nullptr)) {}
  void MsgBox(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

// A program whose windows are real but never need a display.
class ViewTest : public ::testing::Test {
 protected:
  ViewTest() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    host.Attach(forms);
    RegisterWindows(forms, module);
  }
  ~ViewTest() override {
    for (const char* name : {"Form4", "Form7", "Form5"})
      while (ui::Window* open = forms.Find(name)) forms.Close(*open);
    host.Collect();
    forms.Collect();
  }
  // Loads a window and creates its real, hidden view.
  win32::WindowView& Open(const std::string& name) { return *host.Realize(*forms.Load(name)); }
  HWND Control(const std::string& window, const std::string& control) {
    return host.Find(*forms.Find(window))->Handle(control);
  }
  Form4& Tweak() { return dynamic_cast<Form4&>(Open("Form4").model()); }

  MemoryRegistry registry;
  Module1 module{registry};
  RecordingHost host;
  ui::Forms forms{host};
};

// Figures from the layout description at 96 DPI: 15 twips a pixel, rounded.
TEST_F(ViewTest, SampledControlsStandWhereTheLayoutPutsThemWithTheirCaptions) {
  const struct {
    const char *window, *control;
    const wchar_t* caption;
    RECT pixels;
  } cases[] = {
      {"Form7", "", L"Quillmar", {0, 0, 432, 341}},
      {"Form7", "Label1", L"License Agreement", {20, 8, 157, 25}},
      {"Form7", "Command1", L"Yes", {232, 304, 321, 329}},
      {"Form4", "", L"Quillmar", {0, 0, 369, 437}},
      {"Form4", "BtnApply", L"Apply", {272, 400, 353, 425}},
      {"Form4", "Frame3", L"", {16, 32, 353, 393}},
      {"Form4", "ChckFind", L" Find", {60, 153, 141, 170}},
      {"Form5", "", L"Quillmar", {0, 0, 353, 191}},
      {"Form5", "cmdLogoff", L"Log off now", {180, 47, 261, 72}},
      {"Form5", "OptPrompt", L"Prompt me next time.", {16, 111, 313, 128}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.window) + " " + c.control);
    win32::WindowView& view = Open(c.window);
    ASSERT_EQ(view.dpi(), 96);
    HWND hwnd = *c.control != '\0' ? Control(c.window, c.control) : view.hwnd();
    RECT r{};
    GetClientRect(hwnd, &r);
    if (hwnd != view.hwnd())
      MapWindowPoints(hwnd, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_TRUE(EqualRect(&r, &c.pixels))
        << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom;
    wchar_t text[128] = {};
    GetWindowTextW(hwnd, text, 128);
    EXPECT_STREQ(text, c.caption);
  }
}

// Central European where the face has it, and never a set that swaps the face for another.
TEST_F(ViewTest, BoldControlsGetABoldFontInTheCentralEuropeanSet) {
  const struct {
    const char *window, *control;
    bool bold;
  } cases[] = {{"Form4", "Label11", true},  {"Form4", "TabStrip1", true}, {"Form4", "Label4", true},
               {"Form4", "Label12", false}, {"Form4", "BtnApply", false}, {"Form7", "Label1", true},
               {"Form5", "Label1", true}};
  // A face that has the set gets it; Wine's own Tahoma does, its MS Sans Serif may not.
  EXPECT_EQ(win32::FaceCharset(L"Tahoma"), 238);
  const int charset = win32::FaceCharset(L"MS Sans Serif");
  HDC screen = GetDC(nullptr);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.window) + " " + c.control);
    Open(c.window);
    const auto font =
        reinterpret_cast<HFONT>(SendMessageW(Control(c.window, c.control), WM_GETFONT, 0, 0));
    LOGFONTW asked{};
    ASSERT_NE(GetObjectW(font, sizeof asked, &asked), 0);
    EXPECT_EQ(asked.lfWeight, c.bold ? FW_BOLD : FW_NORMAL);
    EXPECT_EQ(asked.lfHeight, -11) << "8.25 points";
    EXPECT_TRUE(charset < 0 || asked.lfCharSet == charset);
    HGDIOBJ old = SelectObject(screen, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(screen, LF_FACESIZE, face);
    EXPECT_STREQ(face, asked.lfFaceName);
    SelectObject(screen, old);
  }
  ReleaseDC(nullptr, screen);
}

// What a timer saw inside a modal loop before closing it: a message box, else the prompt.
struct {
  HWND top, owner;
  bool owner_enabled;
  int buttons, icons;
} seen;

void CALLBACK LookAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  HWND box = FindWindowW(L"#32770", L"Quillmar 1.0");
  HWND top = box ? box : FindWindowW(nullptr, L"Quillmar"), owner = GetWindow(top, GW_OWNER);
  seen = {top, owner, IsWindowEnabled(owner) != FALSE, 0, 0};
  for (HWND h = GetWindow(seen.top, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) {
    wchar_t name[16] = {};
    if (!IsWindowVisible(h) || GetClassNameW(h, name, 16) == 0) continue;
    seen.buttons += wcscmp(name, L"Button") == 0;
    seen.icons += SendMessageW(h, STM_GETICON, 0, 0) != 0;
  }
  PostMessageW(seen.top, box ? WM_COMMAND : WM_CLOSE, IDOK, 0);
}

TEST_F(ViewTest, MessagesHaveOneButtonAndNoIconAndTheModalPromptHoldsTheWindowBeneath) {
  HWND beneath = Open("Form4").hwnd();
  Open("Form4").Show(nullptr);
  SetTimer(nullptr, 0, 50, LookAndClose);
  host.Win32Host::MsgBox("Size must be a number (0 - 100).");
  EXPECT_EQ(std::pair(seen.buttons, seen.icons), std::pair(1, 0));
  SetTimer(nullptr, 0, 50, LookAndClose);
  forms.Show(*forms.Load("Form5"), true);  // returns only once the prompt is closed
  EXPECT_NE(seen.top, beneath);
  EXPECT_EQ(std::pair(seen.owner, seen.owner_enabled), std::pair(beneath, false));
  EXPECT_TRUE(!IsWindow(seen.top) && IsWindowEnabled(beneath)) << "closed, and the owner free";
}

// The log-off asks for the current user only, without forcing programs to close.
TEST_F(ViewTest, LogOffEndsTheUsersSessionWithoutForce) {
  static std::pair<UINT, DWORD> asked{1, 0};
  host.exit_windows = [](UINT f, DWORD r) -> BOOL { return asked = {f, r}, TRUE; };
  host.Win32Host::LogOff();
  EXPECT_EQ(asked, std::pair(0u, DWORD{0xFFF}));
}

TEST_F(ViewTest, PagesOutOfSightGetTheirControlsWhenShownOrOnceUpAndTheListFollowsTheModel) {
  Form4& form = Tweak();
  HWND window = Open("Form4").hwnd();
  // Looked up among the real windows, not through the view, which would create them.
  auto on_a_page = [&](const wchar_t* window_class) {
    for (HWND f = nullptr; (f = FindWindowExW(window, f, L"QuillmarContainer", nullptr));)
      if (FindWindowExW(f, nullptr, window_class, nullptr) != nullptr) return true;
    return false;
  };
  EXPECT_FALSE(on_a_page(L"ListBox"));
  form.TabStrip1.Select(3);
  EXPECT_TRUE(on_a_page(L"ListBox"));
  EXPECT_FALSE(on_a_page(TRACKBAR_CLASSW));
  Open("Form4").Show(nullptr);
  for (MSG m; PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&m);
  EXPECT_TRUE(on_a_page(TRACKBAR_CLASSW));
  // The list on screen follows the model item by item.
  HWND list = Control("Form4", "List1");
  for (const char* item : {"a", "b", "c", "b"}) form.List1.AddItem(item);
  form.List1.SetListIndex(3);
  form.List1.RemoveItem(1);
  form.List1.RemoveItem(0);
  form.List1.AddItem("d");
  wchar_t shown[8] = {};  // one letter an item
  for (int i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i)
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(shown + i));
  EXPECT_STREQ(shown, L"cbd");
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
}

// The model refuses the action; the view takes back what the real control already did.
TEST_F(ViewTest, AnInvalidSizeRefusesTheSliderAndThePageOnScreen) {
  Form4& form = Tweak();
  form.TabStrip1.Select(2);
  HWND box = Control("Form4", "Txtpix"), slider = Control("Form4", "Slider1");
  HWND tabs = Control("Form4", "TabStrip1");
  const int before = form.Slider1.value();
  auto leave_the_box = [&] {
    SetWindowTextW(box, L"abc");
    SendMessageW(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), EN_KILLFOCUS),
                 reinterpret_cast<LPARAM>(box));
  };
  leave_the_box();
  SendMessageW(slider, TBM_SETPOS, TRUE, 90);
  SendMessageW(GetParent(slider), WM_HSCROLL, MAKEWPARAM(TB_PAGEDOWN, 90),
               reinterpret_cast<LPARAM>(slider));
  EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), before);
  leave_the_box();
  NMHDR header{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), TCN_SELCHANGING};
  EXPECT_TRUE(
      SendMessageW(GetParent(tabs), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header)));
  EXPECT_EQ(host.messages, std::vector<std::string>(2, "Size must be a number (0 - 100)."));
}

}  // namespace
}  // namespace quillmar::test
