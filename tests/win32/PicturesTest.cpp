#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "resources/Pictures.h"
#include "win32/Pictures.h"

namespace quillmar::win32 {
namespace {

// The test carries the program's resources, as the exe does.
TEST(PicturesTest, EveryPictureComesFromTheResourcesAtItsSizeOnce) {
  PictureCache cache(GetModuleHandleW(nullptr));
  for (const PictureFile& file : kPictures) {
    const Picture* picture = cache.Find(file.name);
    ASSERT_NE(picture, nullptr) << file.name;
    EXPECT_EQ(picture->width, file.width) << file.name;
    EXPECT_EQ(picture->height, file.height) << file.name;
    EXPECT_EQ(cache.Find(file.name), picture) << file.name;
  }
  EXPECT_EQ(cache.Find("nothing_by_this_name"), nullptr);
}

TEST(PicturesTest, ANaturalPictureKeepsToItsCorner) {
  PictureCache cache(GetModuleHandleW(nullptr));
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP target = CreateBitmap(40, 40, 1, 32, nullptr);
  HGDIOBJ old = SelectObject(dc, target);
  RECT all{0, 0, 40, 40};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawPicture(dc, *cache.Find("arrow"), all, false, 96);
  // The small black arrow lies inside its 7 x 10 corner and nowhere past it.
  int dark[2] = {0, 0};
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      const COLORREF c = GetPixel(dc, x, y);
      dark[x < 7 && y < 10 ? 0 : 1] += GetRValue(c) + GetGValue(c) + GetBValue(c) < 200;
    }
  EXPECT_GT(dark[0], 5);
  EXPECT_EQ(dark[1], 0);
  DeleteObject(SelectObject(dc, old));
  DeleteDC(dc);
}

}  // namespace
}  // namespace quillmar::win32
