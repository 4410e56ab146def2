#include "app/ui/MainLayout.h"

namespace pictavo::ui {
namespace {

constexpr int kTwipsPerPixel = 15;
// Caption, menu bar and border of the window the heights were measured on.
constexpr int kNonClientHeight = 40;
constexpr int kSmallWindowTwips = 6825;
constexpr int kLargeWindowTwips = 7850;

int clientHeightFor(int windowTwips) { return windowTwips / kTwipsPerPixel - kNonClientHeight; }

// Everything that is the same in both layouts; the two layouts then move what differs.
MainLayout commonLayout() {
  MainLayout l{};
  l.picture1 = QRect(496, 32, 137, 189);
  l.command13 = QRect(5, 5, 23, 17);
  l.image2 = QRect(495, 222, 109, 24);
  l.shape2 = QRect(527, 227, 48, 15);
  l.shape1 = QRect(606, 223, 26, 22);
  l.shape5 = QRect(605, 222, 28, 24);
  l.picture2 = QRect(495, 247, 138, 96);
  l.picture4 = QRect(496, 248, 137, 128);
  l.picture3 = QRect(552, 288, 34, 34);
  l.command2 = QRect(40, 365, 17, 13);
  l.command5 = QRect(40, 380, 17, 13);
  l.command3 = QRect(25, 371, 14, 17);
  l.command4 = QRect(58, 371, 14, 17);
  l.command10 = QRect(104, 363, 57, 13);
  l.command11 = QRect(168, 363, 55, 13);
  l.command6 = QRect(104, 376, 16, 16);
  l.command7 = QRect(145, 376, 16, 16);
  l.command8 = QRect(168, 376, 16, 16);
  l.command9 = QRect(208, 376, 16, 16);
  l.image3 = QRect(122, 377, 22, 15);
  l.image1 = QRect(186, 377, 24, 15);
  l.toolBarHeight = 28;
  l.statusBarHeight = 20;
  return l;
}

void setTops(MainLayout& l, int up, int sides, int down, int plusMinus, int captions) {
  l.command2.moveTop(up);
  l.command3.moveTop(sides);
  l.command4.moveTop(sides);
  l.command5.moveTop(down);
  for (QRect* r : {&l.command6, &l.command7, &l.command8, &l.command9}) r->moveTop(plusMinus);
  l.command10.moveTop(captions);
  l.command11.moveTop(captions);
}

MainLayout smallLayout() {
  MainLayout l = commonLayout();
  l.mode = ScreenMode::Small;
  l.client = QSize(634, clientHeightFor(kSmallWindowTwips));
  l.windowTop = 0;
  setTops(l, 365, 371, 380, 378, 365);
  l.picture2Visible = true;
  l.picture3.moveTop(288);
  l.shape4 = QRect(32, 40, 417, 321);
  l.frameLines = {QLine(32, 361, 450, 361), QLine(30, 362, 450, 362), QLine(450, 39, 450, 362),
                  QLine(449, 40, 449, 361), QLine(449, 39, 30, 39),   QLine(31, 361, 31, 38),
                  QLine(30, 362, 30, 38),   QLine(450, 38, 29, 38)};
  return l;
}

MainLayout largeLayout() {
  MainLayout l = commonLayout();
  l.mode = ScreenMode::Large;
  l.client = QSize(634, clientHeightFor(kLargeWindowTwips));
  l.windowTop = -1;
  l.picture2Visible = false;
  setTops(l, 429, 435, 444, 442, 429);
  l.image1.moveTop(443);
  l.image3.moveTop(443);
  l.shape4 = QRect(8, 40, 480, 384);
  l.picture3.moveTop(304);
  l.frameLines = {QLine(8, 425, 490, 425), QLine(6, 426, 490, 426), QLine(490, 39, 490, 426),
                  QLine(489, 40, 489, 425), QLine(489, 39, 6, 39),  QLine(7, 425, 7, 38),
                  QLine(6, 426, 6, 38),     QLine(490, 38, 5, 38)};
  return l;
}

}  // namespace

MainLayout MainLayout::forMode(ScreenMode mode) {
  return mode == ScreenMode::Small ? smallLayout() : largeLayout();
}

}  // namespace pictavo::ui
