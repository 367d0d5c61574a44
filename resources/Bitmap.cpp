#include "resources/Bitmap.h"

namespace quillmar {
namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::uint32_t kInfoHeader = 40;

std::uint32_t Little(const std::uint8_t* at, int bytes) {
  std::uint32_t v = 0;
  for (int k = bytes - 1; k >= 0; --k) v = v << 8 | at[k];
  return v;
}

}  // namespace

std::optional<Bitmap> ReadBitmap(const void* data, std::size_t size) {
  const auto* b = static_cast<const std::uint8_t*>(data);
  if (b == nullptr || size < kFileHeader + kInfoHeader || b[0] != 'B' || b[1] != 'M')
    return std::nullopt;
  const std::uint8_t* info = b + kFileHeader;
  const auto width = static_cast<std::int32_t>(Little(info + 4, 4));
  const auto height = static_cast<std::int32_t>(Little(info + 8, 4));
  const bool plain = Little(info, 4) == kInfoHeader && Little(info + 12, 2) == 1 &&
                     Little(info + 14, 2) == 24 && Little(info + 16, 4) == 0;
  if (!plain || width < 1 || height < 1) return std::nullopt;
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  const std::size_t offset = Little(b + 10, 4);
  if (offset < kFileHeader + kInfoHeader || offset > size ||
      (size - offset) / stride < static_cast<std::size_t>(height))
    return std::nullopt;
  return Bitmap{width, height, info, b + offset, stride};
}

}  // namespace quillmar
