#pragma once
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "ScratchDir.h"
#include "canvas/Canvas.h"
#include "icofile/IcoFormat.h"

namespace icotest {

using namespace pictavo::testing;
using pictavo::Colour;

inline void put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline void place(Bytes& file, std::size_t at, const Bytes& what) {
  if (file.size() < at + what.size()) file.resize(at + what.size());
  std::copy(what.begin(), what.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
}

inline Bytes signature() { return Bytes(pictavo::kIconSignature.begin(), pictavo::kIconSignature.end()); }

// An image as icon files hold it, built independently of the program's writer.
// `pixel` gives a palette index (1, 4, 8 bits) or a colour (24 bits; for 32
// bits the top byte is alpha); `transparent` the mask bit. x, y in canvas terms.
struct ImageSpec {
  explicit ImageSpec(int bitCount, std::vector<Colour> colours = {}) : bits(bitCount), palette(std::move(colours)) {}
  int bits;
  std::vector<Colour> palette;  // 2, 16 or 256 entries for indexed images
  std::function<std::uint32_t(int x, int y)> pixel = [](int, int) { return 0u; };
  std::function<bool(int x, int y)> transparent = [](int, int) { return false; };
  std::uint8_t paletteFourthByte = 0;
};

inline Bytes makeImage(const ImageSpec& s) {
  Bytes b = signature();
  b.resize(pictavo::kImageHeaderSize);
  b[14] = static_cast<std::uint8_t>(s.bits);
  for (Colour c : s.palette)
    b.insert(b.end(), {std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c), s.paletteFourthByte});
  // Rows bottom-up; pixels packed most significant bits first, colours as blue, green, red (alpha).
  auto pack = [&b](int bits, const std::function<std::uint32_t(int, int)>& value) {
    for (int y = 31; y >= 0; --y)
      for (int x = 0; x < 32; x += bits < 8 ? 8 / bits : 1) {
        if (bits >= 24) {
          const std::uint32_t v = value(x, y);
          b.insert(b.end(), {std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)});
          if (bits == 32) b.push_back(static_cast<std::uint8_t>(v >> 24));
          continue;
        }
        unsigned byte = 0;
        for (int j = 0; j < 8 / bits; ++j) byte = byte << bits | value(x + j, y);
        b.push_back(static_cast<std::uint8_t>(byte));
      }
  };
  pack(s.bits, s.pixel);
  pack(1, [&s](int x, int y) { return s.transparent(x, y) ? 1u : 0u; });
  return b;
}

// A canvas with many colours and a transparent diagonal band.
inline pictavo::Canvas patternCanvas(unsigned seed) {
  pictavo::Canvas c;
  std::mt19937 rng(seed);
  for (pictavo::Cell& cell : c.cells()) cell = {static_cast<Colour>(rng() & 0xFFFFFF), 0};
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if ((x + y) % 7 == 0) c.at(x, y) = {pictavo::kWhite, 1};
  return c;
}

}  // namespace icotest
