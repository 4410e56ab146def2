#pragma once
#include <cstdint>
#include <functional>
#include <vector>

namespace pictavo {

// A decoded icon image of any size: straight (not premultiplied) red, green,
// blue, alpha bytes per pixel, rows from the top, no padding.
struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;

  RgbaImage() = default;
  RgbaImage(int w, int h) : width(w), height(h), rgba(std::size_t(w) * std::size_t(h) * 4) {}
  std::uint8_t* pixel(int x, int y) { return &rgba[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 4]; }
  const std::uint8_t* pixel(int x, int y) const {
    return &rgba[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 4];
  }
  bool empty() const { return width <= 0 || height <= 0; }
};

// Decodes PNG data (an icon image stored PNG-compressed) into `out`; false
// when it cannot. The model reads no PNG itself: callers inject a decoder
// (picture/io's decodePngIconImage).
using PngDecoder = std::function<bool(const std::uint8_t* data, std::size_t size, RgbaImage& out)>;

}  // namespace pictavo
