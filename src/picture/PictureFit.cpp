#include "picture/PictureFit.h"

#include <algorithm>

#include "canvas/Rounding.h"

namespace pictavo {

AreaSize fittedArea(AreaSize client, AreaSize natural, bool keepProportions) {
  const AreaSize below{client.width, std::max(0, client.height - kPictureAreaTop)};
  if (!keepProportions || natural.width <= 0 || natural.height <= 0) return below;
  const double rW = double(below.width) / natural.width;
  const double rH = double(below.height) / natural.height;
  if (rW >= rH) return {roundHalfEven(natural.width * rH), below.height};
  return {below.width, roundHalfEven(natural.height * rW)};
}

}  // namespace pictavo
