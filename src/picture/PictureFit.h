#pragma once

namespace pictavo {

// The picture area starts this far below the top of the picture window's client area.
constexpr int kPictureAreaTop = 20;

struct AreaSize {
  int width = 0, height = 0;
  bool operator==(const AreaSize& o) const { return width == o.width && height == o.height; }
};

// The picture area of a picture fitted to a client area: the whole area below the
// strip, or, keeping proportions, the largest area of the picture's shape that fits
// (small pictures are enlarged the same way).
AreaSize fittedArea(AreaSize client, AreaSize natural, bool keepProportions);

}  // namespace pictavo
