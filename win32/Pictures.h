#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "win32/Handles.h"

namespace quillmar::win32 {

// A picture ready to draw: a 24-bit DIB section.
struct Picture {
  UniqueBitmap bitmap;
  int width = 0;
  int height = 0;
};

// Copies an uncompressed 24-bit BMP file into a DIB section; nullptr for anything else.
std::unique_ptr<Picture> DecodePicture(const void* data, std::size_t size);

// Draws at natural size (scaled from 96 DPI) from the rectangle's top-left corner, or
// stretched over the whole rectangle.
void DrawPicture(HDC dc, const Picture& picture, const RECT& rect, bool stretch, int dpi);

// The program's pictures, read from RCDATA resources named by the picture name in upper case
// and copied into DIB sections once.
class PictureCache {
 public:
  explicit PictureCache(HINSTANCE instance) : instance_(instance) {}
  // nullptr for a picture that is missing or cannot be decoded.
  const Picture* Find(std::string_view name);

 private:
  HINSTANCE instance_;
  std::map<std::string, std::unique_ptr<Picture>, std::less<>> pictures_;
};

}  // namespace quillmar::win32
