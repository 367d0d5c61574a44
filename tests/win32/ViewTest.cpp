#include <windows.h>

#include <commctrl.h>

#include "tests/win32/ViewFixture.h"
#include "tweak/Form4.h"
#include "tweak/Form4Layout.h"
#include "win32/Geometry.h"

namespace quillmar::test {
namespace {

std::wstring Text(HWND hwnd) {
  wchar_t text[512] = {};
  GetWindowTextW(hwnd, text, 512);
  return text;
}

bool Shown(HWND hwnd) {
  return (GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

LRESULT Check(HWND hwnd) {
  return SendMessageW(hwnd, BM_GETCHECK, 0, 0);
}

class Form4ViewTest : public ViewTest {
 protected:
  Form4ViewTest() : view(Open("Form4")), form(dynamic_cast<Form4&>(view.model())) {}
  HWND Get(const std::string& name) { return Control("Form4", name); }

  win32::WindowView& view;
  Form4& form;
};

TEST_F(Form4ViewTest, EveryControlStandsAtItsPlaceWithItsCaption) {
  const int dpi = view.dpi();
  RECT client;
  GetClientRect(view.hwnd(), &client);
  EXPECT_EQ(client.right, win32::TwipsToPixels(5535, dpi));
  EXPECT_EQ(client.bottom, win32::TwipsToPixels(6555, dpi));
  for (const ui::ControlSpec& spec : Form4Layout().controls) {
    SCOPED_TRACE(std::string(spec.name));
    HWND hwnd = Get(std::string(spec.name));
    ASSERT_NE(hwnd, nullptr);
    RECT placed;
    GetWindowRect(hwnd, &placed);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&placed), 2);
    const RECT wanted = win32::ToPixels(spec.rect, dpi);
    EXPECT_EQ(placed.left, wanted.left);
    EXPECT_EQ(placed.top, wanted.top);
    if (!spec.autosize) {
      EXPECT_EQ(placed.right, wanted.right);
    }
    const bool captioned = spec.kind == ui::Kind::kLabel || spec.kind == ui::Kind::kButton ||
                           spec.kind == ui::Kind::kCheckBox || spec.kind == ui::Kind::kOptionButton;
    if (captioned) {
      EXPECT_EQ(Text(hwnd), std::wstring(spec.caption.begin(), spec.caption.end()));
    }
  }
  EXPECT_EQ(Text(view.hwnd()), L"Quillmar");
  HWND tabs = Get("TabStrip1");
  EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 4);
  EXPECT_EQ(GetWindow(tabs, GW_HWNDNEXT), nullptr) << "the tab strip lies beneath the pages";
}

TEST_F(Form4ViewTest, ModelChangesAreMirrored) {
  struct Case {
    const char* what;
    std::function<void()> change;
    std::function<bool()> shown;
  };
  const Case cases[] = {
      {"checked", [&] { form.ChckFind.SetValue(1); }, [&] { return Check(Get("ChckFind")) == 1; }},
      {"grey", [&] { form.ChckFind.SetValue(2); }, [&] { return Check(Get("ChckFind")) == 2; }},
      {"unchecked", [&] { form.ChckFind.SetValue(0); },
       [&] { return Check(Get("ChckFind")) == 0; }},
      {"disabled", [&] { form.ChckRun.SetEnabled(false); },
       [&] { return !IsWindowEnabled(Get("ChckRun")); }},
      {"page", [&] { form.TabStrip1.Select(3); },
       [&] {
         return SendMessageW(Get("TabStrip1"), TCM_GETCURSEL, 0, 0) == 2 && Shown(Get("Frame3")) &&
                !Shown(Get("Frame1"));
       }},
      {"slider", [&] { form.Slider1.SetValue(77); },
       [&] {
         return SendMessageW(Get("Slider1"), TBM_GETPOS, 0, 0) == 77 &&
                Text(Get("Txtpix")) == L"77";
       }},
      {"text", [&] { form.TxtName.SetText("Ann Ode"); },
       [&] { return Text(Get("TxtName")) == L"Ann Ode"; }},
      {"list",
       [&] {
         form.List1.AddItem("a.example");
         form.List1.AddItem("b.example");
         form.List1.SetListIndex(1);
         form.List1.RemoveItem(0);
       },
       [&] {
         HWND list = Get("List1");
         return SendMessageW(list, LB_GETCOUNT, 0, 0) == 1 &&
                SendMessageW(list, LB_GETCURSEL, 0, 0) == 0;
       }},
      {"option", [&] { form.OptDontPromptAndLogOff1.Select(); },
       [&] { return Check(Get("OptDontPromptAndLogOff1")) == 1 && Check(Get("OptPrompt1")) == 0; }},
  };
  EXPECT_EQ(Check(Get("Check1")), 2);
  EXPECT_FALSE(IsWindowEnabled(Get("Check1")));
  for (const Case& c : cases) {
    c.change();
    EXPECT_TRUE(c.shown()) << c.what;
  }
}

TEST_F(Form4ViewTest, UserActionsReachTheModel) {
  form.ChckHelp.SetValue(2);
  Command(Get("ChckHelp"), BN_CLICKED);
  EXPECT_EQ(form.ChckHelp.value(), 1) << "a click never leaves a box grey";
  EXPECT_EQ(Check(Get("ChckHelp")), 1);
  Command(Get("ChckHelp"), BN_CLICKED);
  EXPECT_EQ(form.ChckHelp.value(), 0);

  SendMessageW(Get("TabStrip1"), TCM_SETCURSEL, 1, 0);
  EXPECT_EQ(Notify(Get("TabStrip1"), TCN_SELCHANGING), FALSE);
  Notify(Get("TabStrip1"), TCN_SELCHANGE);
  EXPECT_EQ(form.TabStrip1.SelectedItem(), 2);
  EXPECT_TRUE(Shown(Get("Frame2")));
  EXPECT_FALSE(Shown(Get("Frame1")));

  SendMessageW(Get("Slider1"), TBM_SETPOS, TRUE, 40);
  Scroll(Get("Slider1"), TB_THUMBTRACK);
  EXPECT_EQ(form.Slider1.value(), 40);
  EXPECT_EQ(form.Txtpix.text(), "40");
  SendMessageW(Get("Slider1"), TBM_SETPOS, TRUE, 41);
  Scroll(Get("Slider1"), TB_LINEDOWN);
  EXPECT_EQ(form.Slider1.value(), 41);

  SetWindowTextW(Get("Txtpix"), L"55");
  EXPECT_EQ(form.Txtpix.text(), "55");
  EXPECT_EQ(form.Slider1.value(), 41) << "typing never moves the slider";

  Command(Get("OptDontPromptAndDontLogOff1"), BN_CLICKED);
  EXPECT_TRUE(form.OptDontPromptAndDontLogOff1.value());
  EXPECT_FALSE(form.OptPrompt1.value());

  form.List1.AddItem("one.example");
  form.List1.AddItem("two.example");
  SendMessageW(Get("List1"), LB_SETCURSEL, 1, 0);
  Command(Get("List1"), LBN_SELCHANGE);
  EXPECT_EQ(form.List1.ListIndex(), 1);
  Command(Get("Command2"), BN_CLICKED);
  EXPECT_EQ(form.List1.ListCount(), 1);
  EXPECT_EQ(SendMessageW(Get("List1"), LB_GETCOUNT, 0, 0), 1);

  Command(Get("Label9"), STN_CLICKED);
  EXPECT_EQ(form.ChckFind.value(), 1) << "Select all";
  EXPECT_EQ(Check(Get("ChckFind")), 1);
}

TEST_F(Form4ViewTest, TypingStopsAtTheLengthLimit) {
  struct Case {
    const char* box;
    int limit;
  };
  for (const Case& c : {Case{"Txtpix", 3}, Case{"TxtName", 50}, Case{"TxtCompany", 50}}) {
    HWND box = Get(c.box);
    SetWindowTextW(box, L"");
    for (int i = 0; i < c.limit + 5; ++i) SendMessageW(box, WM_CHAR, L'0' + i % 10, 0);
    const auto* model = dynamic_cast<const ui::TextBox*>(form.Find(c.box));
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->text().size(), static_cast<std::size_t>(c.limit)) << c.box;
    EXPECT_EQ(GetWindowTextLengthW(box), c.limit) << c.box;
  }
}

TEST_F(Form4ViewTest, ControlsAskForTheColoursOfTheTable) {
  struct Case {
    const char* control;
    UINT message;
    COLORREF text;
    COLORREF back;
  };
  const Case cases[] = {
      {"ChckDisableRegistry", WM_CTLCOLORSTATIC, RGB(255, 255, 255), RGB(0, 0, 0)},
      {"Label4", WM_CTLCOLORSTATIC, RGB(255, 255, 255), RGB(0, 0, 0)},
      {"Label9", WM_CTLCOLORSTATIC, RGB(0, 0, 192), GetSysColor(COLOR_BTNFACE)},
      {"Label16", WM_CTLCOLORSTATIC, CLR_INVALID, RGB(192, 192, 192)},
      {"TxtName", WM_CTLCOLOREDIT, RGB(0, 0, 0), RGB(255, 255, 255)},
      {"List1", WM_CTLCOLORLISTBOX, RGB(0, 0, 0), RGB(255, 255, 255)},
  };
  HDC screen = GetDC(nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control);
    HDC dc = CreateCompatibleDC(screen);
    SetTextColor(dc, RGB(1, 2, 3));
    HWND control = Get(c.control);
    const LRESULT brush = SendMessageW(GetParent(control), c.message, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(control));
    EXPECT_NE(brush, 0);
    if (c.text != CLR_INVALID) {
      EXPECT_EQ(GetTextColor(dc), c.text);
    }
    EXPECT_EQ(GetBkColor(dc), c.back);
    LOGBRUSH fill{};
    GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof fill, &fill);
    EXPECT_EQ(fill.lbColor, c.back);
    DeleteDC(dc);
  }
  ReleaseDC(nullptr, screen);
}

TEST_F(Form4ViewTest, OnlyLinkLabelsShowTheHand) {
  for (const char* name : {"Label9", "Label10", "Label5"}) {
    HWND label = Get(name);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    SendMessageW(label, WM_SETCURSOR, reinterpret_cast<WPARAM>(label),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    const bool hand = GetCursor() == LoadCursorW(nullptr, IDC_HAND);
    EXPECT_EQ(hand, std::string(name) != "Label5") << name;
  }
}

TEST_F(Form4ViewTest, TheCloseBoxClosesTheWindow) {
  HWND window = view.hwnd();
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(forms.Find("Form4"), nullptr);
  EXPECT_FALSE(IsWindow(window));
  // The model lives until it is collected; its changes no longer reach a view.
  form.ChckFind.SetValue(1);
  host.Collect();
  forms.Collect();
}

TEST_F(Form4ViewTest, ANewDpiLaysTheWindowOutAgain) {
  RECT suggested{10, 20, 10, 20};
  SendMessageW(view.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  RECT client;
  GetClientRect(view.hwnd(), &client);
  EXPECT_EQ(client.right, win32::TwipsToPixels(5535, 144));
  EXPECT_EQ(client.bottom, win32::TwipsToPixels(6555, 144));
  RECT apply;
  GetWindowRect(Get("BtnApply"), &apply);
  MapWindowPoints(nullptr, view.hwnd(), reinterpret_cast<POINT*>(&apply), 2);
  EXPECT_EQ(apply.left, win32::TwipsToPixels(4080, 144));
  EXPECT_EQ(apply.right - apply.left, win32::TwipsToPixels(1215, 144));
}

}  // namespace
}  // namespace quillmar::test
