#include <gtest/gtest.h>

#include "win32/Geometry.h"

namespace quillmar::win32 {
namespace {

TEST(GeometryTest, TwipsBecomeTheNearestPixel) {
  struct Case {
    int twips;
    int dpi;
    int pixels;
  };
  const Case cases[] = {
      {0, 96, 0},      {15, 96, 1},      {7, 96, 0},       {8, 96, 1},       {1440, 96, 96},
      {5535, 96, 369}, {6555, 96, 437},  {1440, 144, 144}, {5535, 144, 554}, {255, 120, 21},
      {45, 96, 3},     {6480, 192, 864}, {-15, 96, -1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi;
}

TEST(GeometryTest, RectanglesKeepTheirPlaceAndSize) {
  struct Case {
    ui::Rect twips;
    int dpi;
    RECT pixels;
  };
  const Case cases[] = {
      {{240, 480, 5055, 5415}, 96, {16, 32, 353, 393}},
      {{240, 480, 5055, 5415}, 144, {24, 48, 530, 590}},
      {{2340, 1395, 105, 150}, 96, {156, 93, 163, 103}},
      {{0, 0, 0, 0}, 96, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    const RECT r = ToPixels(c.twips, c.dpi);
    EXPECT_EQ(r.left, c.pixels.left);
    EXPECT_EQ(r.top, c.pixels.top);
    EXPECT_EQ(r.right, c.pixels.right);
    EXPECT_EQ(r.bottom, c.pixels.bottom);
  }
}

TEST(GeometryTest, CentringStaysInsideTheArea) {
  struct Case {
    RECT area;
    SIZE size;
    POINT at;
  };
  const Case cases[] = {
      {{0, 0, 1024, 768}, {400, 300}, {312, 234}},
      {{100, 50, 1124, 818}, {400, 300}, {412, 284}},
      {{0, 0, 300, 200}, {400, 300}, {0, 0}},  // larger than the area: its corner stays on it
      {{-1280, 0, 0, 1024}, {380, 480}, {-830, 272}},
  };
  for (const Case& c : cases) {
    const POINT at = Centred(c.area, c.size);
    EXPECT_EQ(at.x, c.at.x);
    EXPECT_EQ(at.y, c.at.y);
  }
}

TEST(GeometryTest, TheFrameAddsToTheClientArea) {
  for (const int dpi : {96, 120, 144}) {
    const SIZE outer = OuterSize(369, 437, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, dpi);
    EXPECT_GT(outer.cx, 369) << dpi;
    EXPECT_GT(outer.cy, 437 + 10) << dpi;
  }
}

}  // namespace
}  // namespace quillmar::win32
