#include "resources/Pictures.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/HeadlessHost.h"

namespace quillmar {
namespace {

constexpr int kTwipsPerPixel = 15;

using Bytes = std::vector<std::uint8_t>;

struct Size {
  int width;
  int height;
};

// The file's bytes; empty when it cannot be read.
Bytes ReadResource(std::string_view file) {
  std::ifstream in(std::string(QUILLMAR_RESOURCES_DIR) + "/" + std::string(file), std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int Big16(const Bytes& b, std::size_t at) {
  return b[at] << 8 | b[at + 1];
}
std::uint32_t Little(const Bytes& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int k = bytes - 1; k >= 0; --k) v = v << 8 | b[at + static_cast<std::size_t>(k)];
  return v;
}

// The frame size of a baseline JPEG; nullopt for a progressive or otherwise unusual one.
std::optional<Size> BaselineJpegSize(const Bytes& b) {
  if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return std::nullopt;
  std::size_t i = 2;
  while (i + 4 <= b.size() && b[i] == 0xFF) {
    const std::uint8_t marker = b[i + 1];
    if (marker == 0xC0) {
      if (i + 9 > b.size()) return std::nullopt;
      return Size{Big16(b, i + 7), Big16(b, i + 5)};
    }
    // Any other start of frame, or image data before a frame, is not what the view expects.
    const bool other_frame =
        marker >= 0xC1 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (other_frame || marker == 0xDA) return std::nullopt;
    i += 2 + static_cast<std::size_t>(Big16(b, i + 2));
  }
  return std::nullopt;
}

std::optional<Size> GifSize(const Bytes& b) {
  const std::string magic(b.begin(),
                          b.begin() + static_cast<long>(std::min<std::size_t>(6, b.size())));
  if (b.size() < 10 || (magic != "GIF87a" && magic != "GIF89a")) return std::nullopt;
  return Size{static_cast<int>(Little(b, 6, 2)), static_cast<int>(Little(b, 8, 2))};
}

std::optional<Size> PictureSize(const PictureFile& picture, const Bytes& bytes) {
  return picture.file.ends_with(".gif") ? GifSize(bytes) : BaselineJpegSize(bytes);
}

TEST(Pictures, EveryLayoutNamesAKnownPictureAtItsNaturalSize) {
  struct Case {
    const char* window;
    bool required;  // the log-off prompt is checked once it is registered
  };
  const Case cases[] = {{"Form4", true}, {"Form7", true}, {"Form5", false}};
  std::set<std::string_view> used;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window);
    test::Program p;
    ui::Window* window = p.forms.Load(c.window);
    if (window == nullptr) {
      EXPECT_FALSE(c.required);
      continue;
    }
    for (const ui::ControlSpec& control : window->spec().controls) {
      if (control.kind != ui::Kind::kImage) continue;
      SCOPED_TRACE(std::string(control.name) + " shows " + std::string(control.picture));
      const PictureFile* picture = FindPicture(control.picture);
      ASSERT_NE(nullptr, picture);
      used.insert(picture->name);
      if (control.stretch) continue;
      EXPECT_EQ(picture->width * kTwipsPerPixel, control.rect.width);
      EXPECT_EQ(picture->height * kTwipsPerPixel, control.rect.height);
    }
  }
  for (const PictureFile& picture : kPictures) {
    EXPECT_TRUE(used.contains(picture.name)) << picture.name << " is shown by no window";
  }
}

TEST(Pictures, FilesAreSmallAndOfTheTableSize) {
  for (const PictureFile& picture : kPictures) {
    SCOPED_TRACE(std::string(picture.file));
    const Bytes bytes = ReadResource(picture.file);
    ASSERT_FALSE(bytes.empty());
    EXPECT_LE(bytes.size(), 4096u);
    const std::optional<Size> size = PictureSize(picture, bytes);
    ASSERT_TRUE(size.has_value()) << "not a baseline JPEG or a GIF";
    EXPECT_EQ(picture.width, size->width);
    EXPECT_EQ(picture.height, size->height);
  }
}

TEST(Pictures, IconHoldsOneEightBitPictureOf32By32) {
  const Bytes ico = ReadResource("quillmar.ico");
  ASSERT_EQ(2238u, ico.size());
  struct Field {
    const char* label;
    std::size_t at;
    int bytes;
    std::uint32_t expected;
  };
  const Field fields[] = {
      {"reserved", 0, 2, 0},        {"type icon", 2, 2, 1},      {"one entry", 4, 2, 1},
      {"entry width", 6, 1, 32},    {"entry height", 7, 1, 32},  {"entry colour count", 8, 1, 0},
      {"entry planes", 10, 2, 1},   {"entry bits", 12, 2, 8},    {"entry bytes", 14, 4, 2216},
      {"entry offset", 18, 4, 22},  {"header size", 22, 4, 40},  {"bitmap width", 26, 4, 32},
      {"bitmap height", 30, 4, 64}, {"bitmap planes", 34, 2, 1}, {"bitmap bits", 36, 2, 8},
      {"uncompressed", 38, 4, 0},
  };
  for (const Field& f : fields) {
    EXPECT_EQ(f.expected, Little(ico, f.at, f.bytes)) << f.label;
  }
  // The mask follows the header, the 256-entry palette and one byte per pixel.
  constexpr std::size_t kMask = 22 + 40 + 1024 + 32 * 32;
  int transparent = 0;
  for (std::size_t i = kMask; i < ico.size(); ++i) {
    for (int bit = 0; bit < 8; ++bit) transparent += ico[i] >> bit & 1;
  }
  EXPECT_GT(transparent, 0);
  EXPECT_LT(transparent, 32 * 32 * 3 / 4) << "the quill covers too little of the icon";
}

// Each resource line of the script as (NAME in upper case, type) -> file.
std::map<std::pair<std::string, std::string>, std::string> ScriptResources() {
  const Bytes bytes = ReadResource("quillmar.rc");
  std::istringstream script(std::string(bytes.begin(), bytes.end()));
  std::map<std::pair<std::string, std::string>, std::string> resources;
  std::string line;
  while (std::getline(script, line)) {
    std::istringstream words(line);
    std::string name, type, file;
    const bool resource = words >> name >> type >> file && type.front() != '"' &&
                          file.size() >= 2 && file.front() == '"' && file.back() == '"';
    if (!resource) continue;
    for (char& ch : name) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    resources[{name, type}] = file.substr(1, file.size() - 2);
  }
  return resources;
}

TEST(Pictures, ScriptEmbedsEveryPictureByItsUpperCaseName) {
  auto resources = ScriptResources();
  std::map<std::pair<std::string, std::string>, std::string> expected = {
      {{"1", "ICON"}, "quillmar.ico"}, {{"1", "24"}, "quillmar.manifest"}};
  for (const PictureFile& picture : kPictures) {
    std::string name(picture.name);
    for (char& ch : name) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    expected[{name, "RCDATA"}] = std::string(picture.file);
  }
  EXPECT_EQ(expected, resources);
  for (const auto& [key, file] : resources) {
    EXPECT_FALSE(ReadResource(file).empty()) << file << " is missing";
  }
}

}  // namespace
}  // namespace quillmar
