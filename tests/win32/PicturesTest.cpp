#include <windows.h>

#include <gtest/gtest.h>
#include <objbase.h>

#include <string>

#include "resources/Pictures.h"
#include "win32/Pictures.h"

namespace quillmar::win32 {
namespace {

class PicturesTest : public ::testing::Test {
 protected:
  PicturesTest() { com_ = CoInitialize(nullptr); }
  ~PicturesTest() override {
    if (SUCCEEDED(com_)) CoUninitialize();
  }
  HRESULT com_;
};

// The test carries the program's resources: every picture a layout names decodes at its size.
TEST_F(PicturesTest, EveryPictureDecodesAtItsSize) {
  PictureCache cache(GetModuleHandleW(nullptr));
  for (const PictureFile& file : kPictures) {
    SCOPED_TRACE(std::string(file.name));
    const Picture* picture = cache.Find(file.name);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width, file.width);
    EXPECT_EQ(picture->height, file.height);
    EXPECT_EQ(cache.Find(file.name), picture) << "decoded once";
  }
}

TEST_F(PicturesTest, WhatCannotBeDecodedGivesNoPicture) {
  PictureCache cache(GetModuleHandleW(nullptr));
  EXPECT_EQ(cache.Find("nothing_by_this_name"), nullptr);
  EXPECT_EQ(cache.Find(""), nullptr);
  const unsigned char junk[] = {0xFF, 0xD8, 0xFF, 0x00, 'G', 'I', 'F', '8', 1, 2, 3};
  EXPECT_EQ(DecodePicture(junk, sizeof junk), nullptr);
  EXPECT_EQ(DecodePicture(junk, 0), nullptr);
  EXPECT_EQ(DecodePicture(nullptr, 10), nullptr);
}

TEST_F(PicturesTest, DrawingANaturalPictureKeepsItsPixelsAtTheDpi) {
  PictureCache cache(GetModuleHandleW(nullptr));
  const Picture* arrow = cache.Find("arrow");
  ASSERT_NE(arrow, nullptr);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP target = CreateCompatibleBitmap(screen, 40, 40);
  HGDIOBJ old = SelectObject(dc, target);
  RECT all{0, 0, 40, 40};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawPicture(dc, *arrow, all, false, 96);
  // The small black arrow is drawn inside its 7 x 10 corner and nowhere past it.
  int dark_inside = 0;
  int dark_outside = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      const COLORREF c = GetPixel(dc, x, y);
      const bool dark = GetRValue(c) + GetGValue(c) + GetBValue(c) < 200;
      (x < 7 && y < 10 ? dark_inside : dark_outside) += dark ? 1 : 0;
    }
  EXPECT_GT(dark_inside, 5);
  EXPECT_EQ(dark_outside, 0);
  SelectObject(dc, old);
  DeleteObject(target);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace quillmar::win32
