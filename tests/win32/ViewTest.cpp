#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "app/Start.h"
#include "registry/MemoryRegistry.h"
#include "tweak/Form4.h"
#include "win32/Fonts.h"
#include "win32/Win32Host.h"

namespace quillmar::test {
namespace {

// The real host, except that a message is recorded instead of waiting for the user.
struct RecordingHost final : win32::Win32Host {
  RecordingHost() : Win32Host(GetModuleHandleW(nullptr)) {}
  void MsgBox(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

// Figures from the layout description at 96 DPI (15 twips a pixel, rounded); 0: no font checked.
// Hidden pages get their controls when shown or once up; the model's refusals undo the controls.
TEST(View, ControlsWhereTheLayoutPutsThemPagesListRefusalsMessagesAndThePromptOnScreen) {
  MemoryRegistry registry;  // real windows that never need a display
  Module1 module{registry};
  RecordingHost host;
  ui::Forms forms{host};
  host.Attach(forms), RegisterWindows(forms, module);
  const auto open = [&](const char* name) { return host.Realize(*forms.Load(name)); };
  const auto control = [&](const char* window, const char* name) {
    return *name ? host.Find(*forms.Find(window))->Handle(name) : open(window)->hwnd();
  };
  const struct {
    const char *window, *control;
    std::vector<LONG> pixels;
    LONG weight;
    const wchar_t* caption;
  } cases[] = {
      {"Form7", "", {0, 0, 432, 341}, 0, L"Quillmar"},
      {"Form7", "Label1", {20, 8, 157, 25}, 700, L"License Agreement"},
      {"Form4", "", {0, 0, 369, 437}, 0, L"Quillmar"},
      {"Form4", "BtnApply", {272, 400, 353, 425}, 400, L"Apply"},
      {"Form4", "Label11", {24, 216, 73, 233}, 700, L"Special"},
      {"Form4", "TabStrip1", {16, 11, 353, 388}, 700, L""},
      {"Form5", "", {0, 0, 353, 191}, 0, L"Quillmar"},
      {"Form5", "cmdLogoff", {180, 47, 261, 72}, 400, L"Log off now"},
  };
  auto& form = dynamic_cast<Form4&>(open("Form4")->model());
  HWND window = open("Form4")->hwnd();
  auto on_a_page = [&](const wchar_t* cls) {  // among real windows: the view would create them
    for (HWND f = nullptr; (f = FindWindowExW(window, f, L"QuillmarContainer", nullptr));)
      if (FindWindowExW(f, nullptr, cls, nullptr)) return true;
    return false;
  };
  form.TabStrip1.Select(3);
  EXPECT_EQ(std::pair(on_a_page(L"ListBox"), on_a_page(TRACKBAR_CLASSW)), std::pair(true, false));
  open("Form4")->Show(nullptr);
  HWND tips = nullptr;  // once every page is in, every setting's tip
  for (int tick = 0;
       tick < 100 && !(tips = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr));
       ++tick)  // a page a tick
    if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT) == WAIT_OBJECT_0)
      for (MSG m; PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&m);
  EXPECT_TRUE(on_a_page(TRACKBAR_CLASSW));
  std::vector<int> stacked;  // pages made late still lie in the table's order, above the tabs
  for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    stacked.push_back(GetDlgCtrlID(c));
  EXPECT_TRUE(std::is_sorted(stacked.begin(), stacked.end()));
  // Central European where the face has it (Wine's Tahoma does), never a set that swaps the face.
  EXPECT_EQ(win32::FaceCharset(L"Tahoma"), 238);
  const int charset = win32::FaceCharset(L"MS Sans Serif");
  HDC screen = GetDC(nullptr);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.window) + " " + c.control);
    HWND hwnd = control(c.window, c.control);
    RECT r{};
    GetClientRect(hwnd, &r);
    if (*c.control) MapWindowPoints(hwnd, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(std::vector<LONG>({r.left, r.top, r.right, r.bottom}), c.pixels);
    wchar_t text[128] = {};
    GetWindowTextW(hwnd, text, 128);
    EXPECT_STREQ(text, c.caption);
    if (c.weight == 0) continue;
    const auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    LOGFONTW asked{};
    ASSERT_NE(GetObjectW(font, sizeof asked, &asked), 0);
    EXPECT_EQ(std::pair(asked.lfWeight, asked.lfHeight), std::pair(c.weight, -11L)) << "8.25 pt";
    EXPECT_TRUE(charset < 0 || asked.lfCharSet == charset);
    HGDIOBJ old = SelectObject(screen, font);
    GetTextFaceW(screen, LF_FACESIZE, text);
    EXPECT_STREQ(text, asked.lfFaceName);
    SelectObject(screen, old);
  }
  ReleaseDC(nullptr, screen);
  HWND list = control("Form4", "List1");  // item by item, even where two texts are the same
  for (const char* item : {"a", "b", "c", "b"}) form.List1.AddItem(item);
  form.List1.SetListIndex(3);
  for (int i : {1, 0}) form.List1.RemoveItem(i);
  wchar_t shown[8] = {};  // one letter an item
  for (int i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i)
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(shown + i));
  EXPECT_STREQ(shown, L"cb");
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
  form.TabStrip1.Select(2);  // an invalid size refuses the slider's move and the change of page
  HWND box = control("Form4", "Txtpix"), slider = control("Form4", "Slider1"),
       tabs = control("Form4", "TabStrip1");
  auto leave_the_box = [&] {
    SetWindowTextW(box, L"abc");
    SendMessageW(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), EN_KILLFOCUS),
                 reinterpret_cast<LPARAM>(box));
  };
  leave_the_box();
  SendMessageW(slider, TBM_SETPOS, TRUE, 90);
  SendMessageW(GetParent(slider), WM_HSCROLL, MAKEWPARAM(TB_PAGEDOWN, 90),
               reinterpret_cast<LPARAM>(slider));
  EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 32);
  leave_the_box();
  NMHDR header{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), TCN_SELCHANGING};
  EXPECT_TRUE(SendMessageW(window, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header)));
  EXPECT_EQ(host.messages, std::vector<std::string>(2, "Size must be a number (0 - 100)."));
  static HWND beneath = window, prompt;  // for a timer that looks inside the modal loop
  SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    prompt = FindWindowW(nullptr, L"Quillmar");
    EXPECT_EQ(std::pair(GetWindow(prompt, GW_OWNER), IsWindowEnabled(beneath)),
              std::pair(beneath, FALSE));
    PostMessageW(prompt, WM_CLOSE, 0, 0);
  });
  forms.Show(*forms.Load("Form5"), true);  // returns only once the prompt is closed
  EXPECT_TRUE(!IsWindow(prompt) && IsWindowEnabled(beneath)) << "closed, and the owner free";
  static std::pair<UINT, DWORD> asked;
  host.exit_windows = [](UINT f, DWORD r) -> BOOL { return asked = {f, r}, TRUE; };
  host.Win32Host::LogOff();
  EXPECT_EQ(asked, std::pair(0u, DWORD{0xFFF}));  // this user only, nothing forced
  EXPECT_EQ(std::pair(GetWindow(tips, GW_OWNER), SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0)),
            std::pair(window, LRESULT{32}));
  RECT suggested{0, 0, 800, 900};
  for (const auto& [dpi, width] : {std::pair(96, 360), std::pair(192, 720)}) {
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(SendMessageW(tips, TTM_GETMAXTIPWIDTH, 0, 0), width);
  }
}

}  // namespace
}  // namespace quillmar::test
