#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <vector>

#include "picture/PictureSampling.h"

using namespace pictavo;
using Points = std::vector<std::pair<int, int>>;

// Where sampling one cell (or, with column -1, the whole selection) looks.
static Points readsFor(const SelectionRect& rect, int column = -1, int row = 0) {
  Points reads;
  PixelReader reader = [&](int x, int y) {
    reads.emplace_back(x, y);
    return rgb(x & 0xFF, y & 0xFF, 7);
  };
  column < 0 ? (void)samplePicture(rect, reader) : (void)sampleCell(rect, reader, column, row);
  return reads;
}

TEST(PictureSampling, UpTo320PixelsWideOnePointPerCell) {
  EXPECT_EQ(readsFor({100, 50, 64, 64}, 0, 0), (Points{{101, 51}}));
  EXPECT_EQ(readsFor({100, 50, 64, 64}, 31, 31), (Points{{163, 113}}));
  EXPECT_EQ(readsFor({10, 0, 80, 80}, 1), (Points{{10 + 1 + 2, 1}}));  // 2.5 -> 2
  EXPECT_EQ(readsFor({10, 0, 80, 80}, 3), (Points{{10 + 1 + 8, 1}}));  // 7.5 -> 8
  EXPECT_EQ(readsFor({0, 0, 320, 100}).size(), 1024u);
  EXPECT_EQ(samplePicture({100, 50, 64, 64}, [](int x, int y) { return rgb(x, y, 0); })[cellNumber(5, 7) - 1],
            rgb(111, 65, 0));
}

TEST(PictureSampling, WiderSelectionsAverageUpToSixPoints) {
  const std::size_t reads = readsFor({0, 0, 321, 100}).size();
  EXPECT_GT(reads, 1024u * 4);
  EXPECT_LE(reads, 1024u * 6);
  // Last column: the wide point would pass the edge, so the base point stands in unread.
  EXPECT_EQ(readsFor({0, 0, 321, 321}, 31, 0), (Points{{312, 1}, {306, 1}, {312, 1}, {312, 1}, {312, 1}}));
}

TEST(PictureSampling, AveragesRoundAtEveryStepHalvesToEven) {
  EXPECT_EQ(averageChannel(100, 101), 100);
  EXPECT_EQ(averageChannel(101, 102), 102);
  EXPECT_EQ(averageColours(rgb(100, 101, 0), rgb(101, 102, 255)), rgb(100, 102, 128));
  // Cell (10, 10) of a 640-pixel square at (0, 0): base (201, 201), neighbours 199 and 203.
  const std::map<std::pair<int, int>, int> reds{
      {{201, 201}, 100}, {{203, 201}, 101}, {{199, 201}, 102}, {{201, 203}, 0}, {{201, 199}, 50}};
  PixelReader reader = [&](int x, int y) {
    auto it = reds.find({x, y});
    return rgb(it == reds.end() ? 0 : it->second, 0, 0);
  };
  // h = A(A(101, 102), 100) = 101; v = A(A(0, 50), 100) = 62; A(101, 62) = 81.5 -> 82.
  EXPECT_EQ(sampleCell({0, 0, 640, 640}, reader, 10, 10), rgb(82, 0, 0));
}

TEST(PictureSampling, PointsOutsideTheWindowGiveTransparentWhiteCells) {
  Canvas canvas;
  canvas.at(31, 0) = Cell{rgb(1, 2, 3), 0};
  applySamples(samplePicture({0, 0, 96, 96}, [](int x, int) { return x < 60 ? rgb(10, 20, 30) : kNoColour; }), canvas);
  EXPECT_EQ(canvas.at(19, 31), (Cell{rgb(10, 20, 30), 0}));
  EXPECT_EQ(canvas.at(20, 5), (Cell{kWhite, 1}));
  EXPECT_EQ(canvas.at(31, 0), (Cell{kWhite, 1}));
  // Averaged: the points that have a colour are averaged alone; none at all is transparent.
  PixelReader partly = [](int x, int) { return x <= 600 ? rgb(200, 0, 0) : kNoColour; };
  EXPECT_EQ(sampleCell({0, 0, 640, 640}, partly, 30, 3), rgb(200, 0, 0));  // base x 601 is outside
  EXPECT_EQ(sampleCell({0, 0, 640, 640}, [](int, int) { return kNoColour; }, 4, 4), kNoColour);
}

// Selections far past any picture are clamped by the sampling itself, so the
// point arithmetic never overflows (the sanitizer build aborts if it does).
TEST(PictureSampling, ExtremeSelectionsAreClampedNotOverflowed) {
  constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
  constexpr int L = kSamplingLimit;
  const std::pair<SelectionRect, SelectionRect> cases[] = {
      {{kMax, kMax, kMax, kMax}, {L, L, L, L}},
      {{kMin, kMin, kMax, kMax}, {-L, -L, L, L}},
      {{kMax - 40, 0, 64, kMin}, {L, 0, 64, -L}},
      {{-L - 1, L + 1, L + 1, 640}, {-L, L, L, 640}},
      {{-L, 5, L, 64}, {-L, 5, L, 64}}};
  for (const auto& [extreme, clamped] : cases) {
    const SelectionRect c = clampedForSampling(extreme);
    EXPECT_EQ((std::vector<int>{c.left, c.top, c.width, c.height}),
              (std::vector<int>{clamped.left, clamped.top, clamped.width, clamped.height}));
    EXPECT_EQ(readsFor(extreme), readsFor(clamped));
  }
}
