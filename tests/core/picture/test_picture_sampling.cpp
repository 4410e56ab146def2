#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "picture/PictureSampling.h"

using namespace pictavo;

namespace {

using Point = std::pair<int, int>;

// Answers every read with a colour made of its coordinates and remembers where it looked.
struct RecordingReader {
  std::vector<Point> reads;
  PixelReader reader() {
    return [this](int x, int y) {
      reads.emplace_back(x, y);
      return rgb(x & 0xFF, y & 0xFF, 7);
    };
  }
};

std::vector<Point> readsForCell(const SelectionRect& rect, int column, int row) {
  RecordingReader recording;
  sampleCell(rect, recording.reader(), column, row);
  return recording.reads;
}

}  // namespace

TEST(PictureSampling, SmallSelectionsReadOnePointNearEachCellsCorner) {
  const SelectionRect square64{100, 50, 64, 64};
  EXPECT_EQ(readsForCell(square64, 0, 0), (std::vector<Point>{{101, 51}}));
  EXPECT_EQ(readsForCell(square64, 31, 31), (std::vector<Point>{{163, 113}}));

  const SelectionRect halves{10, 0, 80, 80};  // cell width 2.5: halves go to even
  EXPECT_EQ(readsForCell(halves, 1, 0)[0].first, 10 + 1 + 2);
  EXPECT_EQ(readsForCell(halves, 3, 0)[0].first, 10 + 1 + 8);

  RecordingReader recording;
  PictureSamples samples = samplePicture(square64, recording.reader());
  EXPECT_EQ(recording.reads.size(), 1024u);
  EXPECT_EQ(samples[cellNumber(5, 7) - 1], rgb(100 + 1 + 10, 50 + 15, 7));
}

TEST(PictureSampling, WiderThan320PixelsAveragesUpToSixPoints) {
  RecordingReader narrow, wide;
  samplePicture({0, 0, 320, 100}, narrow.reader());
  samplePicture({0, 0, 321, 100}, wide.reader());
  EXPECT_EQ(narrow.reads.size(), 1024u);
  EXPECT_GT(wide.reads.size(), 1024u * 4);
  EXPECT_LE(wide.reads.size(), 1024u * 6);

  // Last column of a 321-wide selection: the wide point would pass the edge, so the base
  // point stands in for it and is not read again.
  EXPECT_EQ(readsForCell({0, 0, 321, 321}, 31, 0),
            (std::vector<Point>{{312, 1}, {306, 1}, {312, 1}, {312, 1}, {312, 1}}));
}

TEST(PictureSampling, AveragesRoundAtEveryStepHalvesToEven) {
  EXPECT_EQ(averageChannel(100, 101), 100);
  EXPECT_EQ(averageChannel(101, 102), 102);
  EXPECT_EQ(averageColours(rgb(100, 101, 0), rgb(101, 102, 255)), rgb(100, 102, 128));

  // Cell (10, 10) of a 640 x 640 selection at (0, 0): base (201, 201), horizontal
  // neighbours x 203 and 199, vertical neighbours y 203 and 199.
  const std::map<Point, int> reds{{{201, 201}, 100}, {{203, 201}, 101}, {{199, 201}, 102},
                                  {{201, 203}, 0},   {{201, 199}, 50}};
  PixelReader reader = [&](int x, int y) {
    auto it = reds.find({x, y});
    return it == reds.end() ? kBlack : rgb(it->second, 0, 0);
  };
  // h = A(A(101, 102), 100) = 101; v = A(A(0, 50), 100) = 62; A(101, 62) = 81.5 -> 82.
  EXPECT_EQ(sampleCell({0, 0, 640, 640}, reader, 10, 10), rgb(82, 0, 0));
}

TEST(PictureSampling, PointsOutsideTheWindowGiveTransparentWhiteCells) {
  const int windowWidth = 60;  // the selection runs past the window's right edge
  PixelReader clipped = [&](int x, int) { return x < windowWidth ? rgb(10, 20, 30) : kNoColour; };
  Canvas canvas;
  canvas.at(31, 0) = Cell{rgb(1, 2, 3), 0};
  applySamples(samplePicture({0, 0, 96, 96}, clipped), canvas);
  EXPECT_EQ(canvas.at(0, 0), (Cell{rgb(10, 20, 30), 0}));
  EXPECT_EQ(canvas.at(19, 31), (Cell{rgb(10, 20, 30), 0}));
  EXPECT_EQ(canvas.at(20, 5), (Cell{kWhite, 1}));
  EXPECT_EQ(canvas.at(31, 0), (Cell{kWhite, 1}));

  // Averaged: the points that have a colour are averaged alone; none at all is transparent.
  PixelReader partly = [](int x, int) { return x <= 600 ? rgb(200, 0, 0) : kNoColour; };
  const SelectionRect wide{0, 0, 640, 640};
  EXPECT_EQ(sampleCell(wide, partly, 30, 3), rgb(200, 0, 0));  // base 601 is outside
  EXPECT_EQ(sampleCell(wide, [](int, int) { return kNoColour; }, 4, 4), kNoColour);
}
