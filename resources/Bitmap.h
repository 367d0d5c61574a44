#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace quillmar {

// An uncompressed 24-bit BMP file, as the build writes the pictures, read in place.
struct Bitmap {
  int width = 0;
  int height = 0;
  const std::uint8_t* info = nullptr;    // the 40-byte BITMAPINFOHEADER
  const std::uint8_t* pixels = nullptr;  // bottom-up rows of `stride` bytes
  std::size_t stride = 0;
};

// nullopt for anything else, a truncated file or a top-down one included.
std::optional<Bitmap> ReadBitmap(const void* data, std::size_t size);

}  // namespace quillmar
