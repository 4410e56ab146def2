#pragma once
#include <QLine>
#include <QRect>
#include <QSize>
#include <array>

#include "canvas/GridGeometry.h"

namespace pictavo::ui {

// Where everything on the main window's client area goes, in client pixels,
// for one of the two screen classes.
struct MainLayout {
  ScreenMode mode;
  QSize client;           // fixed client size, bars included
  int windowTop;          // -1: the window manager places the window
  QRect shape4;           // hatched backdrop behind the grid
  std::array<QLine, 8> frameLines;  // Line3 .. Line10
  QRect picture1;         // palette
  QRect command13;        // "BW", in palette pixels
  QRect image2, shape2, shape1, shape5;
  QRect picture2, picture4;  // "Your Icon" frames; only one is visible
  bool picture2Visible;
  QRect picture3;         // preview with its border
  QRect command2, command5, command3, command4;  // slide up, down, left, right
  QRect command10, command6, command7;            // "Brightness", -, +
  QRect command11, command8, command9;            // "Contrast", -, +
  QRect image3, image1;                           // sun, half disc
  int toolBarHeight;
  int statusBarHeight;

  static MainLayout forMode(ScreenMode mode);

  // Line3 to Line6 (bottom and right) are light; Line7 to Line10 (top and left) are shadow.
  static bool isShadowLine(std::size_t index) { return index >= 4; }
};

}  // namespace pictavo::ui
