#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "tweak/Form4Layout.h"
#include "win32/ControlClass.h"

namespace quillmar::win32 {
namespace {

using ui::Kind;

bool Has(DWORD style, DWORD bits) {
  return (style & bits) == bits;
}

// What each kind of control must be for the keyboard and for screen readers.
TEST(ControlClassTest, EachKindIsTheStandardControlOfItsKind) {
  struct Case {
    Kind kind;
    bool centre_or_wrap;  // labels centred, text boxes on several lines
    std::wstring class_name;
    DWORD type_mask;
    DWORD type;
    bool tab_stop;
  };
  const Case cases[] = {
      {Kind::kButton, false, L"BUTTON", BS_TYPEMASK, BS_PUSHBUTTON, true},
      // Never an automatic box: the click goes to the model, which never makes it grey.
      {Kind::kCheckBox, false, L"BUTTON", BS_TYPEMASK, BS_3STATE, true},
      {Kind::kOptionButton, false, L"BUTTON", BS_TYPEMASK, BS_RADIOBUTTON, false},
      {Kind::kLabel, false, L"STATIC", SS_TYPEMASK, SS_LEFT, false},
      {Kind::kLabel, true, L"STATIC", SS_TYPEMASK, SS_CENTER, false},
      {Kind::kImage, false, L"STATIC", SS_TYPEMASK, SS_OWNERDRAW, false},
      {Kind::kTextBox, false, L"EDIT", ES_MULTILINE, 0, true},
      {Kind::kTextBox, true, L"EDIT", ES_MULTILINE | ES_READONLY | WS_VSCROLL,
       ES_MULTILINE | ES_READONLY | WS_VSCROLL, true},
      {Kind::kListBox, false, L"LISTBOX", LBS_NOTIFY | LBS_SORT | LBS_MULTIPLESEL | LBS_EXTENDEDSEL,
       LBS_NOTIFY, true},
      {Kind::kSlider, false, TRACKBAR_CLASSW, TBS_VERT, TBS_HORZ, true},
      {Kind::kTabStrip, false, WC_TABCONTROLW, TCS_MULTILINE, 0, true},
      {Kind::kFrame, false, kContainerClass, 0, 0, false},
      {Kind::kPanel, false, kContainerClass, 0, 0, false},
  };
  for (const Case& c : cases) {
    ui::ControlSpec spec{.name = "x", .kind = c.kind};
    spec.align = c.centre_or_wrap ? ui::Align::kCentre : ui::Align::kLeft;
    spec.wrap = c.centre_or_wrap;
    const ClassStyle got = ClassStyleFor(spec);
    SCOPED_TRACE("kind " + std::to_string(static_cast<int>(c.kind)) + " " +
                 std::to_string(c.centre_or_wrap));
    EXPECT_EQ(std::wstring(got.class_name), c.class_name);
    EXPECT_EQ(got.style & c.type_mask, c.type);
    EXPECT_EQ(Has(got.style, WS_TABSTOP), c.tab_stop);
    EXPECT_TRUE(Has(got.style, WS_CHILD | WS_CLIPSIBLINGS));
    EXPECT_FALSE(Has(got.style, WS_VISIBLE));
  }
}

TEST(ControlClassTest, EveryControlOfTheTweakWindowKeepsItsFlags) {
  for (const ui::ControlSpec& spec : Form4Layout().controls) {
    SCOPED_TRACE(std::string(spec.name));
    const ClassStyle got = ClassStyleFor(spec);
    EXPECT_EQ(Has(got.style, WS_DISABLED), !spec.enabled);
    if (spec.kind == Kind::kLabel) {
      // Captions are shown as written: "&" is no mnemonic, and only link labels notify.
      EXPECT_TRUE(Has(got.style, SS_NOPREFIX));
      EXPECT_EQ(Has(got.style, SS_NOTIFY), spec.clickable);
    }
    if (spec.kind == Kind::kFrame || spec.kind == Kind::kPanel) {
      EXPECT_TRUE(Has(got.ex_style, WS_EX_CONTROLPARENT));
    }
    if (spec.kind == Kind::kCheckBox || spec.kind == Kind::kOptionButton) {
      EXPECT_EQ(Has(got.style, BS_MULTILINE), spec.name == "ChckControlPanel");
    }
  }
}

}  // namespace
}  // namespace quillmar::win32
