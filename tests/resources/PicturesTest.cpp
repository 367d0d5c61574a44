#include "resources/Pictures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "resources/Bitmap.h"
#include "tests/support/HeadlessHost.h"

namespace quillmar {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The bitmap the build wrote for a picture; empty when there is none.
Bytes BuiltBitmap(std::string_view name) {
  std::ifstream in(std::string(QUILLMAR_BITMAPS_DIR) + "/" + std::string(name) + ".bmp",
                   std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(Pictures, EveryPictureAWindowShowsIsBuiltAtItsSize) {
  for (const char* name : {"Form4", "Form7", "Form5"}) {
    test::Program p;
    const ui::Window* window = p.forms.Load(name);
    ASSERT_NE(window, nullptr) << name;
    for (const ui::ControlSpec& control : window->spec().controls) {
      if (control.kind != ui::Kind::kImage) continue;
      SCOPED_TRACE(std::string(name) + " " + std::string(control.name));
      const PictureFile* picture = FindPicture(control.picture);
      ASSERT_NE(picture, nullptr);
      const Bytes bytes = BuiltBitmap(picture->name);
      const std::optional<Bitmap> bitmap = ReadBitmap(bytes.data(), bytes.size());
      ASSERT_TRUE(bitmap.has_value());
      EXPECT_EQ(bitmap->width, picture->width);
      EXPECT_EQ(bitmap->height, picture->height);
      // At natural size a pixel is 15 twips.
      if (!control.stretch) {
        EXPECT_EQ(picture->width * 15, control.rect.width);
        EXPECT_EQ(picture->height * 15, control.rect.height);
      }
    }
  }
}

TEST(Pictures, AnythingButAWholePlainBitmapIsRefused) {
  const Bytes good = BuiltBitmap("arrow");
  ASSERT_TRUE(ReadBitmap(good.data(), good.size()).has_value());
  struct Case {
    const char* what;
    std::function<void(Bytes&)> spoil;
  };
  const Case cases[] = {
      {"cut short", [](Bytes& b) { b.pop_back(); }},
      {"not BM", [](Bytes& b) { b[0] = 'G'; }},
      {"32 bits a pixel", [](Bytes& b) { b[28] = 32; }},
      {"compressed", [](Bytes& b) { b[30] = 1; }},
      {"no width", [](Bytes& b) { b[18] = b[19] = 0; }},
      {"no height", [](Bytes& b) { b[22] = 0; }},
      {"pixels past the end", [](Bytes& b) { b[11] = 0x10; }},
  };
  for (const Case& c : cases) {
    Bytes bytes = good;
    c.spoil(bytes);
    EXPECT_FALSE(ReadBitmap(bytes.data(), bytes.size()).has_value()) << c.what;
  }
  EXPECT_FALSE(ReadBitmap(nullptr, 100).has_value());
}

}  // namespace
}  // namespace quillmar
