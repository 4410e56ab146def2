#include <gtest/gtest.h>

#include <vector>

#include "picture/InputPause.h"
#include "picture/PictureFit.h"
#include "picture/PictureSelection.h"

using namespace pictavo;

TEST(PictureFit, FittedAreaKeepsProportionsWhenAsked) {
  struct Case {
    AreaSize client, natural;
    bool keep;
    AreaSize area;
  } cases[] = {
      {{600, 420}, {100, 50}, true, {600, 300}},  // rW 6 < rH 8
      {{600, 420}, {50, 100}, true, {200, 400}},  // rW 12 >= rH 4
      {{600, 420}, {100, 50}, false, {600, 400}},
      {{632, 453}, {100, 50}, true, {632, 316}},
      {{100, 21}, {5, 2}, true, {2, 1}},          // 2.5 rounds to the even 2
      {{100, 10}, {5, 2}, true, {0, 0}},          // no room below the strip
  };
  for (const Case& c : cases) {
    const AreaSize got = fittedArea(c.client, c.natural, c.keep);
    EXPECT_EQ(got, c.area) << c.natural.width << "x" << c.natural.height << " -> " << got.width << "x"
                           << got.height;
  }
}

namespace {

struct Drag {
  const char* name;
  bool square;
  double dx, dy;        // from the press at (200, 100), picture-area pixels
  SelectionRect drawn;  // window pixels, one pixel below the pointer plus the strip
  bool converts;
};

}  // namespace

TEST(PictureSelection, DragsConvertPastTheirThresholds) {
  const Drag drags[] = {
      {"free 5 and 5", false, 5, 5, {200, 121, 5, 5}, false},
      {"free 6 right", false, 6, 0, {200, 121, 6, 0}, true},
      {"free 6 up", false, 0, -6, {200, 115, 0, 6}, true},
      {"square 30 right 50 down", true, 30, 50, {200, 121, 30, 30}, true},
      {"square 10 right 50 down", true, 10, 50, {200, 121, 10, 10}, false},
      {"square 30 left 50 up", true, -30, -50, {170, 91, 30, 30}, true},
      // The drawn square has no side at all; it must not convert.
      {"square 50 left, level", true, -50, 0, {200, 121, 0, 0}, false},
  };
  for (const Drag& d : drags) {
    PictureSelection s;
    s.activate(0);
    if (!d.square) s.mouseUp(kRightButton, 0, 0, 1);
    s.mouseDown(kLeftButton, 200, 100);
    s.mouseMove(kLeftButton, 200 + d.dx, 100 + d.dy);
    EXPECT_EQ(s.shape().left, d.drawn.left) << d.name;
    EXPECT_EQ(s.shape().top, d.drawn.top) << d.name;
    EXPECT_EQ(s.shape().width, d.drawn.width) << d.name;
    EXPECT_EQ(s.shape().height, d.drawn.height) << d.name;
    EXPECT_EQ(s.mouseUp(kLeftButton, 200 + d.dx, 100 + d.dy, 2), d.converts) << d.name;
    EXPECT_FALSE(s.shapeVisible()) << d.name;
  }
}

TEST(PictureSelection, RightButtonGuardAndStrayReleases) {
  PictureSelection s;
  s.activate(10);
  s.mouseDown(kLeftButton, 0, 0);
  s.mouseMove(kLeftButton, 40, 20);
  EXPECT_EQ(s.shape().width, 20);
  // Within half a second of activation a release does nothing at all.
  EXPECT_FALSE(s.mouseUp(kLeftButton, 40, 20, 10.49));
  EXPECT_TRUE(s.shapeVisible() && s.squareSelection());
  s.mouseUp(kRightButton, 40, 20, 10.5);
  EXPECT_FALSE(s.squareSelection());
  EXPECT_EQ(s.shape().width, 40);  // redrawn free at once
  EXPECT_EQ(s.shape().height, 20);
  s.mouseMove(0, 90, 90);  // no button held: nothing drawn
  EXPECT_EQ(s.shape().width, 40);
  s.activate(20);
  EXPECT_TRUE(s.squareSelection());
  EXPECT_TRUE(s.mouseUp(kMiddleButton, 40, 20, 21));  // any other button ends the drag
  // A release with no drag under way, or a press released where it was made.
  EXPECT_FALSE(s.mouseUp(kLeftButton, 300, 300, 22));
  s.mouseDown(kLeftButton, 300, 300);
  EXPECT_FALSE(s.mouseUp(kLeftButton, 300, 300, 22));
  EXPECT_EQ(s.shape().width + s.shape().height, 0);
}

TEST(InputPause, BusyForMoreThanOneSecondOfEvents) {
  ProgramState state;
  double now = 50;
  std::vector<bool> busyWhileYielding;
  inputPause(state, [&] { return now; },
             [&] {
               busyWhileYielding.push_back(state.busy);
               now += 0.25;
             });
  EXPECT_EQ(busyWhileYielding, std::vector<bool>(5, true));  // exactly 1 s is not yet over
  EXPECT_FALSE(state.busy);
}
