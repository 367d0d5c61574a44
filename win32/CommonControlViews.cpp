#include "win32/ControlViews.h"
#include "win32/Text.h"

namespace quillmar::win32 {

void SliderView::AfterCreate() {
  SendMessageW(hwnd(), TBM_SETRANGEMIN, FALSE, slider_.min());
  SendMessageW(hwnd(), TBM_SETRANGEMAX, FALSE, slider_.max());
  SendMessageW(hwnd(), TBM_SETPAGESIZE, 0, 10);
}

void SliderView::Sync() {
  ControlView::Sync();
  if (SendMessageW(hwnd(), TBM_GETPOS, 0, 0) != slider_.value())
    SendMessageW(hwnd(), TBM_SETPOS, TRUE, slider_.value());
}

void SliderView::OnHScroll(WORD code) {
  if (ending_) return;
  const int position = static_cast<int>(SendMessageW(hwnd(), TBM_GETPOS, 0, 0));
  const bool done = code == TB_THUMBTRACK ? slider_.Scroll(position)
                    : code == TB_ENDTRACK ? slider_.MayAct()
                                          : slider_.Change(position);
  if (!done) {
    // The trackbar's own dragging or paging, which would go on after the message, ends here.
    ending_ = true;
    SendMessageW(hwnd(), WM_LBUTTONUP, 0, 0);
    ending_ = false;
  }
  // The thumb stays where the model has it.
  Sync();
}

void TabStripView::AfterCreate() {
  const auto& captions = spec().items;
  for (std::size_t i = 0; i < captions.size(); ++i) {
    std::wstring caption = Widen(std::string(captions[i]));
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(hwnd(), TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
}

void TabStripView::Sync() {
  ControlView::Sync();
  const int selected = tabs_.SelectedItem() - 1;
  if (SendMessageW(hwnd(), TCM_GETCURSEL, 0, 0) != selected)
    SendMessageW(hwnd(), TCM_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

LRESULT TabStripView::OnNotify(const NMHDR& header) {
  // Refusing the change keeps the page while the focus goes back to a box that failed its check.
  if (header.code == TCN_SELCHANGING) return tabs_.MayAct() ? FALSE : TRUE;
  if (header.code == TCN_SELCHANGE) {
    tabs_.Click(static_cast<int>(SendMessageW(hwnd(), TCM_GETCURSEL, 0, 0)) + 1);
    Sync();
  }
  return 0;
}

}  // namespace quillmar::win32
