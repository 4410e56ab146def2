#include "canvas/Palette.h"

#include <array>

#include "canvas/Rounding.h"

namespace pictavo {
namespace {

constexpr int kFieldLeft = 4, kFieldRight = 132, kHueX = 68;
constexpr int kFieldTop = 25, kFieldBottom = 174;
constexpr int kRampTop = 176, kRampBottom = 183;
constexpr int kTitleTop = 3, kTitleBottom = 20;
constexpr Colour kNavy = rgb(0, 0, 127);
constexpr Colour kFrameGrey = rgb(192, 192, 192);

struct Rgb {
  double r, g, b;
};

struct HueStop {
  int row;
  Rgb hue;
};

// Rows where a pure hue sits; rows in between blend linearly.
constexpr std::array<HueStop, 11> kHueStops{{
    {25, {255, 0, 0}},   {53, {255, 255, 0}}, {54, {255, 255, 0}}, {68, {0, 255, 0}},
    {69, {0, 255, 0}},   {97, {0, 255, 255}}, {98, {0, 255, 255}}, {122, {0, 0, 255}},
    {150, {255, 0, 255}}, {151, {255, 0, 255}}, {174, {255, 0, 0}},
}};

Rgb blend(const Rgb& from, const Rgb& to, double t) {
  return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
          from.b + (to.b - from.b) * t};
}

Colour toColour(const Rgb& c) {
  return rgb(roundHalfEven(c.r), roundHalfEven(c.g), roundHalfEven(c.b));
}

Rgb hueOfRow(int row) {
  for (std::size_t i = 1; i < kHueStops.size(); ++i) {
    const HueStop& lo = kHueStops[i - 1];
    const HueStop& hi = kHueStops[i];
    if (row <= hi.row) return blend(lo.hue, hi.hue, double(row - lo.row) / (hi.row - lo.row));
  }
  return kHueStops.back().hue;
}

// Black at the left edge, the pure hue at x 68, white at the right edge.
Colour fieldColour(int x, int y) {
  const Rgb hue = hueOfRow(y);
  if (x <= kHueX) return toColour(blend({0, 0, 0}, hue, double(x - kFieldLeft) / (kHueX - kFieldLeft)));
  return toColour(blend(hue, {255, 255, 255}, double(x - kHueX) / (kFieldRight - kHueX)));
}

Colour rampColour(int x) {
  const int v = roundHalfEven(248.0 * (x - kFieldLeft) / (kFieldRight - kFieldLeft));
  return rgb(v, v, v);
}

// A raised grey window border: light on the top and left, dark on the bottom and right.
Colour frameColour(int x, int y) {
  if (x == kPaletteWidth - 1 || y == kPaletteHeight - 1) return rgb(64, 64, 64);
  if (x == kPaletteWidth - 2 || y == kPaletteHeight - 2) return rgb(128, 128, 128);
  if (x == 1 || y == 1) return kWhite;
  return kFrameGrey;
}

bool inside(int x, int lo, int hi) { return x >= lo && x <= hi; }

// The title "Pallet" belongs to the image, so a pick on a letter gives the white
// the user sees. Glyphs are 5 x 8, overstruck one pixel to the right for a bold look.
constexpr int kCaptionLeft = 33, kCaptionTop = 8, kGlyphRows = 8, kGlyphAdvance = 7;
constexpr std::array<std::array<const char*, kGlyphRows>, 6> kCaption{{
    {"####.", "#...#", "#...#", "####.", "#....", "#....", "#....", "#...."},  // P
    {".....", ".....", ".....", ".###.", "....#", ".####", "#...#", ".####"},  // a
    {"##...", ".#...", ".#...", ".#...", ".#...", ".#...", ".#...", "###.."},  // l
    {"##...", ".#...", ".#...", ".#...", ".#...", ".#...", ".#...", "###.."},  // l
    {".....", ".....", ".....", ".###.", "#...#", "#####", "#....", ".###."},  // e
    {".....", ".#...", ".#...", "####.", ".#...", ".#...", ".#..#", "..##."},  // t
}};

bool onCaptionLetter(int x, int y) {
  const int row = y - kCaptionTop;
  const int dx = x - kCaptionLeft;
  if (row < 0 || row >= kGlyphRows || dx < 0) return false;
  const std::size_t glyph = std::size_t(dx / kGlyphAdvance);
  const int column = dx % kGlyphAdvance;
  if (glyph >= kCaption.size()) return false;
  const char* line = kCaption[glyph][std::size_t(row)];
  const auto on = [line](int c) { return c >= 0 && c < 5 && line[c] == '#'; };
  return on(column) || on(column - 1);
}

}  // namespace

Colour paletteColourAt(int x, int y) {
  if (!inside(x, 0, kPaletteWidth - 1) || !inside(y, 0, kPaletteHeight - 1)) return kNoColour;
  const bool inFrameColumns = inside(x, kFieldLeft - 1, kFieldRight + 1);
  if (inFrameColumns && inside(y, kTitleTop, kTitleBottom))
    return onCaptionLetter(x, y) ? kWhite : kNavy;
  const bool inBlackFrame = inFrameColumns && inside(y, kFieldTop - 1, kRampBottom + 1);
  if (!inBlackFrame) return frameColour(x, y);
  if (x == kFieldLeft - 1 || x == kFieldRight + 1) return kBlack;
  if (inside(y, kFieldTop, kFieldBottom)) return fieldColour(x, y);
  if (inside(y, kRampTop, kRampBottom)) return rampColour(x);
  return kBlack;  // the lines at y 24, 175 and 184
}

}  // namespace pictavo
