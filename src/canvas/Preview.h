#pragma once
#include <array>

#include "canvas/Canvas.h"

namespace pictavo {

// The actual-size picture of the icon: pixel (x, y) shows cell (x, y),
// transparent cells as white.
class Preview {
 public:
  Preview() { pixels_.fill(kWhite); }

  Colour pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y * kGridSize + x)]; }
  void setPixel(int x, int y, Colour c) { pixels_[static_cast<std::size_t>(y * kGridSize + x)] = c; }

  friend bool operator==(const Preview& a, const Preview& b) { return a.pixels_ == b.pixels_; }

 private:
  std::array<Colour, kCellCount> pixels_;
};

// LayIcon: rewrite the whole preview from the canvas.
void layIcon(const Canvas& canvas, Preview& preview);

}  // namespace pictavo
