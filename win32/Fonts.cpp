#include "win32/Fonts.h"

#include <cwchar>

namespace quillmar::win32 {
namespace {

constexpr wchar_t kFace[] = L"MS Sans Serif";
constexpr BYTE kCentralEurope = 238;

int CALLBACK Found(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM charset) {
  *reinterpret_cast<int*>(charset) = font->lfCharSet;
  return 0;
}

}  // namespace

int FaceCharset(const wchar_t* face) {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return -1;
  int charset = -1;
  for (const BYTE wanted : {kCentralEurope, static_cast<BYTE>(DEFAULT_CHARSET)}) {
    LOGFONTW font{};
    font.lfCharSet = wanted;
    wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    EnumFontFamiliesExW(screen, &font, Found, reinterpret_cast<LPARAM>(&charset), 0);
    if (charset >= 0) break;
  }
  ReleaseDC(nullptr, screen);
  return charset;
}

LOGFONTW DialogFont(int dpi, bool bold) {
  static const int charset = FaceCharset(kFace);
  LOGFONTW font{};
  if (charset >= 0) {
    wcsncpy(font.lfFaceName, kFace, LF_FACESIZE - 1);
    font.lfCharSet = static_cast<BYTE>(charset);
  } else {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
      font = metrics.lfMessageFont;
    font.lfWidth = 0;
    font.lfItalic = FALSE;
    font.lfUnderline = FALSE;
  }
  // 8.25 points, in hundredths: 825 / 7200 of an inch.
  font.lfHeight = -MulDiv(825, dpi, 7200);
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  return font;
}

FontSet::FontSet(int dpi) {
  const LOGFONTW regular = DialogFont(dpi, false);
  const LOGFONTW bold = DialogFont(dpi, true);
  regular_.reset(CreateFontIndirectW(&regular));
  bold_.reset(CreateFontIndirectW(&bold));
}

}  // namespace quillmar::win32
