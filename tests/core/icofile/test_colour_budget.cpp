#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "icofile/ColourBudget.h"
#include "icofile/ColourReduction.h"
#include "icofile/IcoFormat.h"
#include "icofile/IcoState.h"

using namespace pictavo;

namespace {

// Cell i: its colour, and whether it is transparent.
Canvas canvasOf(const std::function<Colour(int)>& colour, const std::function<bool(int)>& transparent = {}) {
  Canvas c;
  for (int i = 0; i < kCellCount; ++i)
    c.cells()[i] = Cell{colour(i), std::int16_t(transparent && transparent(i) ? 1 : 0)};
  return c;
}

Colour distinct(int n) { return rgb(1 + n % 200, n / 200, 7); }  // never black, never a palette colour

// Whether saving at `depth` leaves every visible cell's colour as it is.
bool saveKeepsVisibleColours(const Canvas& canvas, int depth) {
  IcoState ico;
  copySourceColours(ico, canvas);
  std::array<Colour, kCellCount> sorted = ico.sourceColors;
  std::sort(sorted.begin(), sorted.end());
  const int count = int(std::unique(sorted.begin(), sorted.end()) - sorted.begin());
  if (depth == 16)
    prepare16(ico, canvas);
  else
    prepare256(ico, canvas, count);
  Canvas saved = canvas;
  applyPreparedColours(ico, depth, saved);
  for (int i = 0; i < kCellCount; ++i)
    if (!canvas.cells()[i].transparent && saved.cells()[i].colour != canvas.cells()[i].colour) return false;
  return true;
}

struct Known {
  const char* what;
  Canvas canvas;
  int count;
  bool fits16, fits256;
};

}  // namespace

TEST(ColourBudget, KnownCanvasesAgreeWithWhatTheSavesKeep) {
  const Known known[] = {
      {"fresh canvas", Canvas(), 1, true, true},
      {"the 16 palette colours", canvasOf([](int i) { return kPalette16[i % 16]; }), 16, true, true},
      {"light grey as written", canvasOf([](int) { return rgb(192, 192, 192); }), 1, true, true},
      {"grey the palette lacks", canvasOf([](int i) { return i ? rgb(200, 200, 200) : kBlack; }), 2, false, true},
      {"a non-palette colour only under transparency",
       canvasOf([](int i) { return i ? kWhite : rgb(3, 4, 5); }, [](int i) { return i == 0; }), 2, true, true},
      {"256 visible", canvasOf([](int i) { return distinct(i % 256); }), 256, false, true},
      {"257 visible", canvasOf([](int i) { return distinct(i % 257); }), 257, false, false},
      {"255 visible, white stored under transparency",
       canvasOf([](int i) { return i < 1000 ? distinct(i % 255) : kWhite; }, [](int i) { return i >= 1000; }),
       256, false, true},
      // The file also needs black for the transparent cells: 257 entries.
      {"256 visible, transparency storing one of them",
       canvasOf([](int i) { return distinct(i % 256); }, [](int i) { return i == 1023; }), 256, false, false},
      // Counted with the stored white, 257 colours make the save drop low bits.
      {"256 visible with black, white stored under transparency",
       canvasOf([](int i) { return i < 1000 ? (i % 256 ? distinct(i % 256) : kBlack) : kWhite; },
                [](int i) { return i >= 1000; }),
       257, false, false},
  };
  for (const Known& k : known) {
    SCOPED_TRACE(k.what);
    const ColourBudget b = colourBudget(k.canvas);
    EXPECT_EQ(b.colorCount, k.count);
    EXPECT_EQ(b.fits16, k.fits16);
    EXPECT_EQ(b.fits256, k.fits256);
    EXPECT_TRUE(!b.fits16 || saveKeepsVisibleColours(k.canvas, 16));
    EXPECT_TRUE(!b.fits256 || saveKeepsVisibleColours(k.canvas, 256));
  }
}

TEST(ColourBudget, NeverPromisesALosslessSaveThatIsNot) {
  std::mt19937 rng(11);
  for (int round = 0; round < 300; ++round) {
    // Few or many colours, from the palette or near it, some cells transparent.
    const int colours = 1 + int(rng() % (round % 3 == 0 ? 300 : 20));
    std::vector<Colour> pool;
    for (int n = 0; n < colours; ++n)
      pool.push_back(rng() % 2 ? kPalette16[rng() % 16] : Colour(rng() & 0xFFFFFF));
    const Canvas canvas = canvasOf([&](int) { return pool[rng() % pool.size()]; }, [&](int) { return rng() % 8 == 0; });
    const ColourBudget b = colourBudget(canvas);
    EXPECT_EQ(b.fits16, saveKeepsVisibleColours(canvas, 16)) << round;
    EXPECT_TRUE(!b.fits256 || saveKeepsVisibleColours(canvas, 256)) << round;
  }
}
