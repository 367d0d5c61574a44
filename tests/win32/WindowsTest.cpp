#include <windows.h>

#include "registry/RegistryBackend.h"
#include "tests/win32/ViewFixture.h"

namespace quillmar::test {
namespace {

const ui::WindowSpec kProbe{.name = "Probe",
                            .caption = "Probe",
                            .client_width = 3000,
                            .client_height = 1500,
                            .controls = {{.name = "Ok",
                                          .kind = ui::Kind::kButton,
                                          .caption = "OK",
                                          .rect = {120, 120, 1215, 375},
                                          .tab_index = 0}}};

class Probe final : public ui::Window {
 public:
  explicit Probe(ui::Forms& forms) : Window(kProbe, forms) {}
};

// What the modal window saw while it was open; filled in by a timer inside its message loop.
struct ModalSeen {
  HWND beneath = nullptr;
  bool beneath_enabled = true;
  HWND owner = nullptr;
  HWND probe = nullptr;
};
ModalSeen seen;
RecordingHost* modal_host = nullptr;
ui::Forms* modal_forms = nullptr;

void CALLBACK CloseTheProbe(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  ui::Window* probe = modal_forms->Find("Probe");
  win32::WindowView* view = probe != nullptr ? modal_host->Find(*probe) : nullptr;
  if (view == nullptr) return;
  seen.probe = view->hwnd();
  seen.owner = GetWindow(view->hwnd(), GW_OWNER);
  seen.beneath_enabled = IsWindowEnabled(seen.beneath) != FALSE;
  PostMessageW(view->hwnd(), WM_CLOSE, 0, 0);
}

TEST_F(ViewTest, AModalWindowHoldsTheOthersUntilItsCloseBox) {
  win32::WindowView& tweak = Open("Form4");
  tweak.Show(nullptr);
  forms.Register("Probe", [](ui::Forms& f) { return std::make_unique<Probe>(f); });
  seen = {};
  seen.beneath = tweak.hwnd();
  modal_host = &host;
  modal_forms = &forms;
  SetTimer(nullptr, 0, 50, CloseTheProbe);
  forms.Show(*forms.Load("Probe"), true);

  EXPECT_NE(seen.probe, nullptr) << "the show returns only after the window was closed";
  EXPECT_FALSE(seen.beneath_enabled);
  EXPECT_EQ(seen.owner, tweak.hwnd());
  EXPECT_EQ(forms.Find("Probe"), nullptr);
  EXPECT_FALSE(IsWindow(seen.probe));
  EXPECT_TRUE(IsWindowEnabled(tweak.hwnd()));
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

TEST_F(ViewTest, TheAgreementsCloseBoxKeepsTheFirstRunMark) {
  Open("Form7");
  HWND window = GetParent(Control("Form7", "Text1"));
  EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(forms.AnyOpen());
  EXPECT_EQ(module.QueryValue(kCurrentUser, "Software\\Quillmar", "FirstTime"),
            RegValue(std::string("First")));
}

}  // namespace
}  // namespace quillmar::test
