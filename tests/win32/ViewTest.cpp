#include <windows.h>

#include <commctrl.h>

#include "tests/win32/ViewFixture.h"
#include "tweak/Form4.h"

namespace quillmar::test {
namespace {

std::wstring Text(HWND hwnd) {
  wchar_t text[512] = {};
  GetWindowTextW(hwnd, text, 512);
  return text;
}

// Where a window stands in its parent's client area.
RECT Placed(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// Figures from the layout description at 96 DPI: 15 twips a pixel, rounded.
TEST_F(ViewTest, SampledControlsStandWhereTheLayoutPutsThemWithTheirCaptions) {
  const struct {
    const char* window;
    const char* control;
    const wchar_t* caption;
    RECT pixels;
  } cases[] = {
      {"Form7", "", L"Quillmar", {0, 0, 432, 341}},
      {"Form7",
       "Label2",
       L"Please read the following important information before continuing.",
       {20, 32, 341, 49}},
      {"Form7", "Command1", L"Yes", {232, 304, 321, 329}},
      {"Form4", "", L"Quillmar", {0, 0, 369, 437}},
      {"Form4", "BtnApply", L"Apply", {272, 400, 353, 425}},
      {"Form4", "Frame3", L"", {16, 32, 353, 393}},
      {"Form4", "ChckFind", L" Find", {60, 153, 141, 170}},
      {"Form4",
       "ChckDisableCancelButton",
       L"Disable Cancel button on the Windows 9x login box.",
       {8, 32, 281, 49}},
      {"Form4",
       "OptDontPromptAndLogOff1",
       L"Don' t prompt me next time and Log off automatically.",
       {23, 304, 304, 321}},
      {"Form5", "", L"Quillmar", {0, 0, 353, 191}},
      {"Form5", "cmdLogoff", L"Log off now", {180, 47, 261, 72}},
      {"Form5", "OptPrompt", L"Prompt me next time.", {16, 111, 313, 128}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.window) + " " + c.control);
    win32::WindowView& view = Open(c.window);
    ASSERT_EQ(view.dpi(), 96);
    HWND hwnd = *c.control != '\0' ? Control(c.window, c.control) : view.hwnd();
    ASSERT_NE(hwnd, nullptr);
    RECT r;
    if (hwnd == view.hwnd()) GetClientRect(hwnd, &r);
    if (hwnd != view.hwnd()) r = Placed(hwnd);
    EXPECT_EQ(r.left, c.pixels.left);
    EXPECT_EQ(r.top, c.pixels.top);
    EXPECT_EQ(r.right, c.pixels.right);
    EXPECT_EQ(r.bottom, c.pixels.bottom);
    EXPECT_EQ(Text(hwnd), c.caption);
  }
  HWND tabs = Control("Form4", "TabStrip1");
  EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 4);
  EXPECT_EQ(GetWindow(tabs, GW_HWNDNEXT), nullptr) << "the tab strip lies beneath the pages";
}

// Central European where the face has it, and never a set that swaps the face for another.
TEST_F(ViewTest, BoldControlsGetABoldFontInTheCentralEuropeanSet) {
  const struct {
    const char* window;
    const char* control;
    bool bold;
  } cases[] = {{"Form4", "Label11", true},  {"Form4", "TabStrip1", true}, {"Form4", "Label4", true},
               {"Form4", "Label12", false}, {"Form4", "BtnApply", false}, {"Form7", "Label1", true},
               {"Form5", "Label1", true}};
  HDC screen = GetDC(nullptr);
  LOGFONTW query{};
  query.lfCharSet = 238;
  wcscpy(query.lfFaceName, L"MS Sans Serif");
  bool has_ce = false;
  EnumFontFamiliesExW(
      screen, &query,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
        return *reinterpret_cast<bool*>(found) = true, 0;
      },
      reinterpret_cast<LPARAM>(&has_ce), 0);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.window) + " " + c.control);
    Open(c.window);
    const auto font =
        reinterpret_cast<HFONT>(SendMessageW(Control(c.window, c.control), WM_GETFONT, 0, 0));
    LOGFONTW asked{};
    ASSERT_NE(GetObjectW(font, sizeof asked, &asked), 0);
    EXPECT_EQ(asked.lfWeight, c.bold ? FW_BOLD : FW_NORMAL);
    EXPECT_EQ(asked.lfHeight, -11) << "8.25 points";
    EXPECT_TRUE(!has_ce || asked.lfCharSet == 238);
    HGDIOBJ old = SelectObject(screen, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(screen, LF_FACESIZE, face);
    EXPECT_STREQ(face, asked.lfFaceName);
    SelectObject(screen, old);
  }
  ReleaseDC(nullptr, screen);
}

// What the message box showed: its visible buttons and icons.
int message_buttons = -1;
int message_icons = -1;

void CALLBACK ReadTheMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  HWND box = FindWindowW(L"#32770", L"Quillmar 1.0");
  if (box == nullptr) return;
  message_buttons = message_icons = 0;
  for (HWND h = GetWindow(box, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) {
    wchar_t name[16] = {};
    GetClassNameW(h, name, 16);
    const LONG style = GetWindowLongW(h, GWL_STYLE);
    if ((style & WS_VISIBLE) == 0) continue;
    message_buttons += wcscmp(name, L"Button") == 0;
    message_icons += (style & SS_TYPEMASK) == SS_ICON && SendMessageW(h, STM_GETICON, 0, 0) != 0;
  }
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST_F(ViewTest, MessagesHaveOneButtonAndNoIcon) {
  Open("Form4").Show(nullptr);
  SetTimer(nullptr, 0, 50, ReadTheMessageBox);
  host.Win32Host::MsgBox("Size must be a number (0 - 100).");
  EXPECT_EQ(message_buttons, 1);
  EXPECT_EQ(message_icons, 0);
}

UINT exit_flags = 1;
DWORD exit_reason = 0;

// The log-off asks for the current user only, without forcing programs to close.
TEST_F(ViewTest, LogOffEndsTheUsersSessionWithoutForce) {
  host.exit_windows = [](UINT flags, DWORD reason) -> BOOL {
    exit_flags = flags;
    exit_reason = reason;
    return TRUE;
  };
  host.Win32Host::LogOff();
  EXPECT_EQ(0u, exit_flags);
  EXPECT_EQ(0xFFFu, exit_reason);
}

class Form4ViewTest : public ViewTest {
 protected:
  Form4ViewTest() : view(Open("Form4")), form(dynamic_cast<Form4&>(view.model())) {}
  HWND Get(const std::string& name) { return Control("Form4", name); }

  win32::WindowView& view;
  Form4& form;
};

TEST_F(Form4ViewTest, TheListShowsTheModelsItemsAndSelection) {
  for (const char* item : {"a", "b", "c", "b"}) form.List1.AddItem(item);
  form.List1.SetListIndex(3);
  form.List1.RemoveItem(1);
  form.List1.RemoveItem(0);
  form.List1.AddItem("d");
  std::wstring shown;
  HWND list = Get("List1");
  for (int i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i) {
    wchar_t item[8] = {};
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item));
    shown += item;
  }
  EXPECT_EQ(shown, L"cbd");
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
}

TEST_F(Form4ViewTest, PagesOutOfSightGetTheirControlsWhenShownOrOnceTheWindowIsUp) {
  // Looked up among the real windows, not through the view, which would create them.
  auto on_a_page = [&](const wchar_t* window_class) {
    for (HWND f = nullptr; (f = FindWindowExW(view.hwnd(), f, L"QuillmarContainer", nullptr));)
      if (FindWindowExW(f, nullptr, window_class, nullptr) != nullptr) return true;
    return false;
  };
  EXPECT_FALSE(on_a_page(L"ListBox"));
  form.TabStrip1.Select(3);
  EXPECT_TRUE(on_a_page(L"ListBox"));
  EXPECT_FALSE(on_a_page(TRACKBAR_CLASSW));
  view.Show(nullptr);
  Pump();
  EXPECT_TRUE(on_a_page(TRACKBAR_CLASSW));
}

TEST_F(Form4ViewTest, TypingStopsAtTheLengthLimit) {
  for (const auto& [box, limit] : {std::pair{"Txtpix", 3}, {"TxtName", 50}, {"TxtCompany", 50}}) {
    for (int i = 0; i < limit + 5; ++i) SendMessageW(Get(box), WM_CHAR, L'0' + i % 10, 0);
    EXPECT_EQ(GetWindowTextLengthW(Get(box)), limit) << box;
  }
}

TEST_F(Form4ViewTest, ControlsAskForTheColoursOfTheTable) {
  const struct {
    const char* control;
    UINT message;
    COLORREF text;
    COLORREF back;
  } cases[] = {
      {"ChckDisableRegistry", WM_CTLCOLORSTATIC, RGB(255, 255, 255), RGB(0, 0, 0)},
      {"Label9", WM_CTLCOLORSTATIC, RGB(0, 0, 192), GetSysColor(COLOR_BTNFACE)},
      {"Label16", WM_CTLCOLORSTATIC, RGB(1, 2, 3), RGB(192, 192, 192)},
      {"TxtName", WM_CTLCOLOREDIT, RGB(0, 0, 0), RGB(255, 255, 255)},
  };
  HDC dc = CreateCompatibleDC(nullptr);
  for (const auto& c : cases) {
    SetTextColor(dc, RGB(1, 2, 3));
    HWND control = Get(c.control);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(control), c.message,
                                                             reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(control)));
    LOGBRUSH fill{};
    GetObjectW(brush, sizeof fill, &fill);
    EXPECT_EQ(GetTextColor(dc), c.text) << c.control;
    EXPECT_EQ(GetBkColor(dc), c.back) << c.control;
    EXPECT_EQ(fill.lbColor, c.back) << c.control;
  }
  DeleteDC(dc);
}

TEST_F(Form4ViewTest, OnlyLinkLabelsShowTheHand) {
  for (const char* name : {"Label9", "Label10", "Label5"}) {
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    SendMessageW(Get(name), WM_SETCURSOR, reinterpret_cast<WPARAM>(Get(name)), HTCLIENT);
    EXPECT_EQ(GetCursor() == LoadCursorW(nullptr, IDC_HAND), std::string(name) != "Label5");
  }
}

TEST_F(Form4ViewTest, ANewDpiLaysTheWindowOutAgainAndTheCloseBoxClosesIt) {
  RECT suggested{10, 20, 10, 20};
  SendMessageW(view.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  RECT client;
  GetClientRect(view.hwnd(), &client);
  const RECT apply = Placed(Get("BtnApply"));
  EXPECT_EQ(client.right, 554);
  EXPECT_EQ(client.bottom, 656);
  EXPECT_EQ(apply.left, 408);
  EXPECT_EQ(apply.right - apply.left, 122);

  HWND window = view.hwnd();
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(forms.Find("Form4"), nullptr);
  EXPECT_FALSE(IsWindow(window));
  form.ChckFind.SetValue(1);  // reaches no view any more
}

}  // namespace
}  // namespace quillmar::test
