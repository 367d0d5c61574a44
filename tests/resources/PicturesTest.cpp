#include "resources/Pictures.h"

#include <gtest/gtest.h>

#include <fstream>
#include <utility>

#include "resources/Bitmap.h"
#include "tests/support/HeadlessHost.h"

namespace quillmar {
namespace {

std::vector<std::uint8_t> BuiltBitmap(std::string_view name) {
  std::ifstream in(QUILLMAR_BITMAPS_DIR "/" + std::string(name) + ".bmp", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(Pictures, EveryPictureAWindowShowsIsBuiltAtItsSize) {
  test::Program p;
  for (const char* name : {"Form4", "Form7", "Form5"})
    for (const ui::ControlSpec& c : p.forms.Load(name)->spec().controls) {
      if (c.kind != ui::Kind::kImage) continue;
      const PictureFile* picture = FindPicture(c.picture);
      ASSERT_NE(picture, nullptr) << c.name;
      const auto bytes = BuiltBitmap(picture->name);
      const Bitmap bitmap = ReadBitmap(bytes.data(), bytes.size()).value();
      EXPECT_EQ(std::pair(bitmap.width, bitmap.height), std::pair(picture->width, picture->height));
      if (c.stretch) continue;  // at natural size a pixel is 15 twips
      EXPECT_EQ(std::pair(picture->width * 15, picture->height * 15),
                std::pair(c.rect.width, c.rect.height));
    }
}

TEST(Pictures, AnythingButAWholePlainBitmapIsRefused) {
  const auto bytes = BuiltBitmap("arrow");
  EXPECT_FALSE(ReadBitmap(bytes.data(), bytes.size() - 1)) << "cut short";
  EXPECT_FALSE(ReadBitmap(nullptr, 100));
  // Each byte of the file's headers set to a value the reader must refuse.
  const struct {
    const char* what;
    int offset;
    std::uint8_t byte;
  } cases[] = {
      {.what = "not BM", .offset = 0, .byte = 'G'},
      {.what = "32 bits a pixel", .offset = 28, .byte = 32},
      {.what = "compressed", .offset = 30, .byte = 1},
      {.what = "no width", .offset = 18, .byte = 0},
      {.what = "no height", .offset = 22, .byte = 0},
      {.what = "pixels past the end", .offset = 11, .byte = 16},
  };
  for (const auto& c : cases) {
    auto spoilt = bytes;
    spoilt[c.offset] = c.byte;
    EXPECT_FALSE(ReadBitmap(spoilt.data(), spoilt.size())) << c.what;
  }
}

}  // namespace
}  // namespace quillmar
