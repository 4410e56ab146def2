#pragma once
// Icon images of any size and whole icon files, built byte by byte in the
// layout Windows documents, independently of the program's reader and writer.
#include <functional>
#include <string>
#include <vector>

#include "IcoTestSupport.h"

namespace icotest {

struct AnyImage {
  int width = 16, height = 16, bits = 24;
  std::vector<Colour> palette;  // for indexed images; its length is written as the colour count
  // A palette index, or 0xAARRGGBB for 24 and 32 bits (alpha only written at 32).
  std::function<std::uint32_t(int x, int y)> pixel = [](int, int) { return 0u; };
  std::function<bool(int x, int y)> transparent = [](int, int) { return false; };
  bool withMask = true;
};

inline void putLE(Bytes& b, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
}

inline Bytes makeAnyImage(const AnyImage& s) {
  Bytes b;
  putLE(b, 40, 4), putLE(b, std::uint32_t(s.width), 4), putLE(b, std::uint32_t(2 * s.height), 4);
  putLE(b, 1, 2), putLE(b, std::uint32_t(s.bits), 2), putLE(b, 0, 4), putLE(b, 0, 4);
  putLE(b, 0, 4), putLE(b, 0, 4), putLE(b, std::uint32_t(s.palette.size()), 4), putLE(b, 0, 4);
  for (Colour c : s.palette) b.insert(b.end(), {std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c), 0});
  auto rows = [&](int bits, const std::function<std::uint32_t(int, int)>& value) {
    const std::size_t stride = (std::size_t(s.width) * bits + 31) / 32 * 4;
    for (int y = s.height - 1; y >= 0; --y) {
      Bytes row(stride, 0);
      for (int x = 0; x < s.width; ++x) {
        const std::uint32_t v = value(x, y);
        if (bits >= 24) {
          const std::size_t at = std::size_t(x) * bits / 8;
          row[at] = std::uint8_t(v), row[at + 1] = std::uint8_t(v >> 8), row[at + 2] = std::uint8_t(v >> 16);
          if (bits == 32) row[at + 3] = std::uint8_t(v >> 24);
        } else {
          const std::size_t bit = std::size_t(x) * bits;
          row[bit / 8] |= std::uint8_t(v << (8 - bits - bit % 8));
        }
      }
      b.insert(b.end(), row.begin(), row.end());
    }
  };
  rows(s.bits, s.pixel);
  if (s.withMask) rows(1, [&s](int x, int y) { return s.transparent(x, y) ? 1u : 0u; });
  return b;
}

// A PNG signature and IHDR chunk, enough for a directory reader (not a decoder).
inline Bytes pngHead(int width, int height, int depth = 8, int colourType = 6) {
  Bytes b = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  for (std::uint32_t v : {std::uint32_t(width), std::uint32_t(height)})
    b.insert(b.end(), {std::uint8_t(v >> 24), std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)});
  b.insert(b.end(), {std::uint8_t(depth), std::uint8_t(colourType), 0, 0, 0, 0, 0, 0, 0});
  return b;
}

// An .ico (type 1) or .cur (type 2) file holding `images` in order; the
// directory's size bytes say 0 for 256.
inline Bytes makeIconFile(const std::vector<std::pair<int, Bytes>>& sizedImages, int type = 1) {
  Bytes b;
  putLE(b, 0, 2), putLE(b, std::uint32_t(type), 2), putLE(b, std::uint32_t(sizedImages.size()), 2);
  std::uint32_t at = 6 + 16 * std::uint32_t(sizedImages.size());
  for (const auto& [side, image] : sizedImages) {
    b.insert(b.end(), {std::uint8_t(side & 0xFF), std::uint8_t(side & 0xFF), 0, 0});
    putLE(b, 1, 2), putLE(b, 32, 2), putLE(b, std::uint32_t(image.size()), 4), putLE(b, at, 4);
    at += std::uint32_t(image.size());
  }
  for (const auto& sized : sizedImages) b.insert(b.end(), sized.second.begin(), sized.second.end());
  return b;
}

inline std::uint32_t le32At(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}

}  // namespace icotest
