#include "win32/Pictures.h"

#include <cctype>
#include <cstring>

#include "resources/Bitmap.h"
#include "win32/Geometry.h"

namespace quillmar::win32 {
namespace {

// RT_RCDATA in its wide form, whatever UNICODE says.
const wchar_t* const kRcData = MAKEINTRESOURCEW(10);

}  // namespace

std::unique_ptr<Picture> DecodePicture(const void* data, std::size_t size) {
  const std::optional<Bitmap> file = ReadBitmap(data, size);
  if (!file) return nullptr;
  BITMAPINFO info{};
  std::memcpy(&info.bmiHeader, file->info, sizeof info.bmiHeader);
  void* bits = nullptr;
  auto picture = std::make_unique<Picture>();
  picture->bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!picture->bitmap || bits == nullptr) return nullptr;
  std::memcpy(bits, file->pixels, file->stride * static_cast<std::size_t>(file->height));
  picture->width = file->width;
  picture->height = file->height;
  return picture;
}

void DrawPicture(HDC dc, const Picture& picture, const RECT& rect, bool stretch, int dpi) {
  HDC source = CreateCompatibleDC(dc);
  if (source == nullptr) return;
  HGDIOBJ old = SelectObject(source, picture.bitmap.get());
  const int width = stretch ? rect.right - rect.left : MulDiv(picture.width, dpi, kDefaultDpi);
  const int height = stretch ? rect.bottom - rect.top : MulDiv(picture.height, dpi, kDefaultDpi);
  if (width == picture.width && height == picture.height) {
    // Pixel for pixel: the halftone filter would only cost time.
    BitBlt(dc, rect.left, rect.top, width, height, source, 0, 0, SRCCOPY);
  } else {
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, rect.left, rect.top, width, height, source, 0, 0, picture.width, picture.height,
               SRCCOPY);
  }
  SelectObject(source, old);
  DeleteDC(source);
}
const Picture* PictureCache::Find(std::string_view name) {
  if (auto it = pictures_.find(name); it != pictures_.end()) return it->second.get();
  std::wstring resource;
  for (char c : name) resource += static_cast<wchar_t>(std::toupper(static_cast<unsigned char>(c)));
  std::unique_ptr<Picture> picture;
  if (HRSRC found = FindResourceW(instance_, resource.c_str(), kRcData)) {
    HGLOBAL loaded = LoadResource(instance_, found);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    picture = DecodePicture(data, SizeofResource(instance_, found));
  }
  const Picture* result = picture.get();
  pictures_.emplace(std::string(name), std::move(picture));
  return result;
}

}  // namespace quillmar::win32
