#pragma once
#include <cstdint>

namespace pictavo {

// red + 256 * green + 65536 * blue, red in the low byte; files store blue, green, red.
using Colour = std::int32_t;

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0;
constexpr Colour kNoColour = -1;  // a read outside any drawn surface

constexpr Colour rgb(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }
constexpr int redOf(Colour c) { return c & 0xFF; }
constexpr int greenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int blueOf(Colour c) { return (c >> 16) & 0xFF; }

}  // namespace pictavo
