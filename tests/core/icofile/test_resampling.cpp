#include <gtest/gtest.h>

#include <random>

#include "IcoTestSupport.h"
#include "icofile/Resampling.h"

using namespace pictavo;

namespace {

RgbaImage randomImage(int w, int h, unsigned seed) {
  std::mt19937 rng(seed);
  RgbaImage image(w, h);
  for (auto& b : image.rgba) b = std::uint8_t(rng());
  return image;
}

Cell cellOf(const IcoState& ico, int x, int y) {
  const std::size_t i = std::size_t(y * kGridSize + x);
  return {ico.tempColors[i], ico.tempTransparent[i]};
}

}  // namespace

// 1, 2, 4, 8, 16 and 32 pixels a side: every pixel becomes an exact block.
TEST(Resampling, WholeNumberEnlargementsGiveExactBlocks) {
  for (int side : {1, 2, 4, 8, 16, 32}) {
    const RgbaImage image = randomImage(side, side, unsigned(side));
    IcoState ico;
    resampleIntoTempIcon(image, ico);
    const int k = kGridSize / side;
    for (int y = 0; y < kGridSize; ++y)
      for (int x = 0; x < kGridSize; ++x) {
        const std::uint8_t* p = image.pixel(x / k, y / k);
        const Cell expected = p[3] < 128 ? Cell{kWhite, 1} : Cell{rgb(p[0], p[1], p[2]), 0};
        ASSERT_EQ(cellOf(ico, x, y), expected) << side << " at " << x << "," << y;
      }
  }
}

// 64, 96, 128 and 256: each cell is the alpha-weighted mean of its k x k
// pixels, rounded half to even, and transparent when fewer than half are opaque.
TEST(Resampling, WholeNumberReductionsAverageTheirBlocks) {
  for (int side : {64, 96, 128, 256}) {
    const RgbaImage image = randomImage(side, side, unsigned(side));
    IcoState ico;
    resampleIntoTempIcon(image, ico);
    const int k = side / kGridSize;
    for (int y = 0; y < kGridSize; ++y)
      for (int x = 0; x < kGridSize; ++x) {
        long opaque = 0, weight = 0, sum[3] = {0, 0, 0};
        for (int j = 0; j < k; ++j)
          for (int i = 0; i < k; ++i) {
            const std::uint8_t* p = image.pixel(x * k + i, y * k + j);
            opaque += p[3] >= 128;
            weight += p[3];
            for (int c = 0; c < 3; ++c) sum[c] += long(p[c]) * p[3];
          }
        int mean[3];
        for (int c = 0; c < 3; ++c) {
          const double exact = double(sum[c]) / double(weight);
          mean[c] = int(exact);
          const double rest = exact - mean[c];
          if (rest > 0.5 || (rest == 0.5 && mean[c] % 2 == 1)) ++mean[c];
        }
        const Cell expected = 2 * opaque < k * k ? Cell{kWhite, 1} : Cell{rgb(mean[0], mean[1], mean[2]), 0};
        ASSERT_EQ(cellOf(ico, x, y), expected) << side << " at " << x << "," << y;
      }
  }
}

TEST(Resampling, HalfOpaqueCellsStayAndHalvesRoundToEven) {
  RgbaImage image(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      std::uint8_t* p = image.pixel(x, y);
      // Cell (0,0): two opaque of four, red 1 and 2 -> 1.5 -> 2; cell (1,0): one opaque of four.
      const bool opaque = (x < 2 && y == 0) || (x == 2 && y == 0);
      p[0] = std::uint8_t(x == 1 ? 2 : 1), p[1] = 10, p[2] = 20, p[3] = opaque ? 255 : 0;
    }
  IcoState ico;
  resampleIntoTempIcon(image, ico);
  EXPECT_EQ(cellOf(ico, 0, 0), (Cell{rgb(2, 10, 20), 0}));
  EXPECT_EQ(cellOf(ico, 1, 0), (Cell{kWhite, 1}));
  // Alpha weights the colour: 255 black beside 85 white gives a quarter white.
  RgbaImage pair(64, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 64; ++x) {
      std::uint8_t* p = pair.pixel(x, y);
      const bool left = x % 2 == 0;
      p[0] = p[1] = p[2] = left ? 0 : 255, p[3] = left ? 255 : 85;
    }
  resampleIntoTempIcon(pair, ico);
  EXPECT_EQ(cellOf(ico, 7, 7), (Cell{rgb(64, 64, 64), 0}));  // 255 * 85 / 340 = 63.75
}

// 24 -> 32: a cell covers parts of up to four pixels; a flat colour stays
// flat, and a cell on a sharp edge takes its share of each side.
TEST(Resampling, OtherRatiosUseFractionalCoverage) {
  RgbaImage image(24, 24);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) {
      std::uint8_t* p = image.pixel(x, y);
      p[0] = x < 12 ? 0 : 200, p[1] = 50, p[2] = 60, p[3] = 255;
    }
  IcoState ico;
  resampleIntoTempIcon(image, ico);
  EXPECT_EQ(cellOf(ico, 0, 0), (Cell{rgb(0, 50, 60), 0}));
  EXPECT_EQ(cellOf(ico, 31, 31), (Cell{rgb(200, 50, 60), 0}));
  // Source pixels 12 starts at 16 cells: cell 15 covers [11.25, 12) of pixel 11 only.
  EXPECT_EQ(cellOf(ico, 15, 3), (Cell{rgb(0, 50, 60), 0}));
  EXPECT_EQ(cellOf(ico, 16, 3), (Cell{rgb(200, 50, 60), 0}));
  // 48 -> 32 over a one-pixel stripe at column 1: cell 0 covers pixel 0 and half of pixel 1.
  RgbaImage stripe(48, 48);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 48; ++x) {
      std::uint8_t* p = stripe.pixel(x, y);
      p[0] = x == 1 ? 90 : 0, p[1] = p[2] = 0, p[3] = 255;
    }
  resampleIntoTempIcon(stripe, ico);
  EXPECT_EQ(cellOf(ico, 0, 5), (Cell{rgb(30, 0, 0), 0}));  // 90 * 0.5 / 1.5
  EXPECT_EQ(cellOf(ico, 1, 5), (Cell{rgb(30, 0, 0), 0}));
  EXPECT_EQ(cellOf(ico, 2, 5), (Cell{rgb(0, 0, 0), 0}));
  resampleIntoTempIcon(RgbaImage(), ico);
  EXPECT_EQ(cellOf(ico, 2, 5), (Cell{kWhite, 1}));
}
