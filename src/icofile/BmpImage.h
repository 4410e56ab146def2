#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

#include "icofile/RgbaImage.h"

namespace pictavo {

// Largest width or height of an icon image read (PNG entries included).
constexpr int kMaxImageSide = 1024;

// Where the parts of a BMP icon image lie, as offsets from its header.
struct BmpLayout {
  int width = 0;
  int height = 0;  // of the picture; the header's height counts the mask too
  int bits = 0;    // 1, 4, 8, 24 or 32
  int paletteEntries = 0;
  std::size_t paletteAt = 0;
  std::size_t pixelsAt = 0;
  std::size_t maskAt = 0;
  std::size_t end = 0;  // one past the mask
  std::size_t rowBytes = 0;
  std::size_t maskRowBytes = 0;
};

// The layout of a BMP icon image of any size from its header: header size at
// least 40, width and height 1..kMaxImageSide, one plane, no compression, and
// 1, 4, 8, 24 or 32 bits per pixel. A non-zero colour count below 2^bits
// shortens the palette.
std::optional<BmpLayout> bmpIconLayout(const std::uint8_t* data, std::size_t size);

// The layout of a 32 x 32 image found by the scan's signature, which vouches
// for everything but the bit count (and colour count) it reads here; nullopt
// for a header size or bit count not decoded.
std::optional<BmpLayout> scannedIconLayout(const std::uint8_t* data, std::size_t size);

// Decodes the image laid out as `layout`. Bytes at or past `size` (the image's
// own data) read as zero, so a missing mask is opaque. Transparent pixels get
// alpha 0 and opaque ones 255, except that a 32-bit image whose alpha
// channel is used keeps its alpha and ignores the mask.
RgbaImage decodeBmpIcon(const std::uint8_t* data, std::size_t size, const BmpLayout& layout);

}  // namespace pictavo
