#include "icofile/ColourReduction.h"

#include <algorithm>
#include <cstdlib>
#include <array>

#include "canvas/ColourTable.h"
#include "icofile/IcoFormat.h"
#include "icofile/IcoWriter.h"

namespace pictavo {
namespace {

struct Reference {
  int red, green, blue, bias;
};

// Index 8 is judged against 196 grey though it is written as 192 grey.
constexpr Reference kDistanceTable[16] = {
    {0, 0, 0, 0},       {128, 0, 0, -20},   {0, 128, 0, -20},   {128, 128, 0, 0},
    {0, 0, 128, -20},   {128, 0, 128, 0},   {0, 128, 128, 0},   {128, 128, 128, 30},
    {196, 196, 196, 30}, {255, 0, 0, -20},  {0, 255, 0, -20},   {255, 255, 0, 0},
    {0, 0, 255, -20},   {255, 0, 255, 0},   {0, 255, 255, 0},   {255, 255, 255, 0}};

void maskSource(IcoState& ico, Colour mask) {
  for (int i = 0; i < kCellCount; ++i) ico.colors256[i] = ico.sourceColors[i] & mask;
}

}  // namespace

int mapTo16(Colour colour) {
  const int r = redOf(colour), g = greenOf(colour), b = blueOf(colour);
  int best = 0, bestDistance = 0;
  for (int k = 0; k < 16; ++k) {
    const Reference& ref = kDistanceTable[k];
    int d = std::abs(r - ref.red) + std::abs(g - ref.green) + std::abs(b - ref.blue) + ref.bias;
    if (k == 0 || d < bestDistance) {
      best = k;
      bestDistance = d;
    }
  }
  return best;
}

int recountColors(const IcoState& ico) { return countDistinctColours(ico.colors256); }

void copySourceColours(IcoState& ico, const Canvas& canvas) {
  for (int i = 0; i < kCellCount; ++i) ico.sourceColors[i] = canvas.cells()[i].colour;
}

void prepare16(IcoState& ico, const Canvas& canvas) {
  for (int i = 0; i < kCellCount; ++i) {
    const int k = mapTo16(ico.sourceColors[i]);
    ico.index16[i] = static_cast<std::int16_t>(canvas.cells()[i].transparent == 1 ? 0 : k);
    ico.colors16[i] = kPalette16[k];
  }
}

Reduction reduceTo256(IcoState& ico) {
  constexpr Colour kMasks[3] = {0xF8F8F8, 0xF0F0F0, 0xE0E0E0};
  Reduction r;
  for (Colour mask : kMasks) {
    maskSource(ico, mask);
    ++r.passes;
    r.colorCount = recountColors(ico);
    if (r.colorCount <= 256) break;
  }
  return r;
}

Reduction prepare256(IcoState& ico, const Canvas& canvas, int colorCount) {
  Reduction r;
  if (colorCount >= 257)
    r = reduceTo256(ico);
  else
    ico.colors256 = ico.sourceColors;
  for (int i = 0; i < kCellCount; ++i)
    if (canvas.cells()[i].transparent == 1) ico.colors256[i] = 0;
  // The writer's palette decides which values survive; take them from it.
  buildPalette(ico, 256);
  for (int i = 0; i < kCellCount; ++i) ico.colors256[i] = ico.icoPalette[ico.index256[i]];
  r.colorCount = recountColors(ico);
  return r;
}

void applyPreparedColours(const IcoState& ico, int depth, Canvas& canvas) {
  if (depth != 16 && depth != 256) return;
  const auto& colours = depth == 16 ? ico.colors16 : ico.colors256;
  for (int i = 0; i < kCellCount; ++i) canvas.cells()[i].colour = colours[i];
}

std::string sixteenColourWarning(int colorCount) {
  return "You are attempting to save a " + std::to_string(colorCount) +
         " color icon as a 16 color icon.\r" + std::string(17, ' ') +
         "This may result in a severe loss of quality.\r" + std::string(31, ' ') +
         "Do you wish to continue?";
}

std::string compressionWarning(int firstCount, int reducedCount) {
  return "The icon you are saving is being compressed from " + std::to_string(firstCount) +
         " to " + std::to_string(reducedCount) + " colors.\r" + std::string(19, ' ') +
         "this may result in a noticeable loss of quality.\r" + std::string(33, ' ') +
         "Do you wish to continue?";
}

}  // namespace pictavo
