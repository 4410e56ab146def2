#include "icofile/Resampling.h"

#include <vector>

#include "canvas/Rounding.h"

namespace pictavo {
namespace {

struct Span {
  int pixel;
  std::int64_t length;  // in units of 1/32 source pixel, so every overlap is whole
};

// For each of the 32 cells along an axis of `pixels` source pixels, the
// pixels it covers and by how much. Source pixel i spans [32 i, 32 i + 32)
// and cell c spans [c n, c n + n).
std::vector<std::vector<Span>> spansAlong(int pixels) {
  std::vector<std::vector<Span>> cells(kGridSize);
  const std::int64_t n = pixels;
  for (int c = 0; c < kGridSize; ++c) {
    const std::int64_t from = c * n, to = from + n;
    for (std::int64_t i = from / kGridSize; i * kGridSize < to; ++i) {
      const std::int64_t overlap = std::min(to, (i + 1) * kGridSize) - std::max(from, i * kGridSize);
      if (overlap > 0) cells[std::size_t(c)].push_back({int(i), overlap});
    }
  }
  return cells;
}

struct Sums {
  std::int64_t opaqueArea = 0, weight = 0, red = 0, green = 0, blue = 0;
};

}  // namespace

void resampleIntoTempIcon(const RgbaImage& image, IcoState& ico) {
  ico.tempColors.fill(kWhite);
  ico.tempTransparent.fill(1);
  if (image.empty()) return;
  if (image.width == kGridSize && image.height == kGridSize) {
    // One pixel per cell, the general rule's result without its sums: every
    // 32 x 32 image found by the scan comes this way.
    for (std::size_t cell = 0; cell < std::size_t(kCellCount); ++cell) {
      const std::uint8_t* p = &image.rgba[cell * 4];
      if (p[3] < 128) continue;
      ico.tempTransparent[cell] = 0;
      ico.tempColors[cell] = rgb(p[0], p[1], p[2]);
    }
    return;
  }
  const auto columns = spansAlong(image.width);
  const auto rows = spansAlong(image.height);
  const std::int64_t cellArea = std::int64_t(image.width) * image.height;
  for (int y = 0; y < kGridSize; ++y)
    for (int x = 0; x < kGridSize; ++x) {
      Sums s;
      for (const Span& row : rows[std::size_t(y)])
        for (const Span& column : columns[std::size_t(x)]) {
          const std::uint8_t* p = image.pixel(column.pixel, row.pixel);
          const std::int64_t area = row.length * column.length;
          if (p[3] >= 128) s.opaqueArea += area;
          const std::int64_t w = area * p[3];
          s.weight += w, s.red += w * p[0], s.green += w * p[1], s.blue += w * p[2];
        }
      if (2 * s.opaqueArea < cellArea) continue;
      const int cell = y * kGridSize + x;
      ico.tempTransparent[std::size_t(cell)] = 0;
      ico.tempColors[std::size_t(cell)] =
          rgb(int(roundHalfEven(s.red, s.weight)), int(roundHalfEven(s.green, s.weight)),
              int(roundHalfEven(s.blue, s.weight)));
    }
}

}  // namespace pictavo
