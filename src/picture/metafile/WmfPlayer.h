#pragma once
#include <vector>

namespace pictavo {

// The placeable header's bounding box in points (libwmf's device units).
struct WmfBox {
  float left, top, right, bottom;
};

// Plays a placeable WMF through libwmf's raster device, mapping `box` onto
// `width` x `height` GD true-colour pixels (0x7FRRGGBB, top 7 bits
// transparency). Kept apart from Qt, whose headers clash with libwmf's macros.
bool playWmf(std::vector<unsigned char>& bytes, const WmfBox& box, int width, int height, std::vector<int>& pixels);

}  // namespace pictavo
