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
  // Not BM, 32 bits a pixel, compressed, no width, no height, pixels past the end.
  for (auto [at, value] :
       {std::pair<int, std::uint8_t>{0, 'G'}, {28, 32}, {30, 1}, {18, 0}, {22, 0}, {11, 16}}) {
    auto spoilt = bytes;
    spoilt[at] = value;
    EXPECT_FALSE(ReadBitmap(spoilt.data(), spoilt.size())) << at;
  }
}

}  // namespace
}  // namespace quillmar
