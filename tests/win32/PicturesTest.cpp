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

}  // namespace
}  // namespace quillmar::win32
