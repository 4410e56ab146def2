#pragma once
#include <cmath>

namespace pictavo {

// Every real-to-integer conversion in the editor rounds to nearest with halves
// going to the even neighbour (the default floating-point rounding mode).
inline int roundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace pictavo
