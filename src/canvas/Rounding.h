#pragma once
#include <cmath>
#include <cstdint>

namespace pictavo {

// Every real-to-integer conversion in the editor rounds to nearest with halves
// going to the even neighbour (the default floating-point rounding mode).
inline int roundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

// The same for the exact ratio numerator / denominator (denominator > 0), so
// averages of many integers round without a real's representation error.
inline std::int64_t roundHalfEven(std::int64_t numerator, std::int64_t denominator) {
  std::int64_t q = numerator / denominator;
  std::int64_t r = numerator % denominator;
  if (r < 0) --q, r += denominator;  // floor division
  if (2 * r > denominator || (2 * r == denominator && (q & 1) != 0)) ++q;
  return q;
}

}  // namespace pictavo
