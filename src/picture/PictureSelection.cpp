#include "picture/PictureSelection.h"

#include <algorithm>
#include <cmath>

#include "canvas/Rounding.h"

namespace pictavo {

void PictureSelection::activate(double now) {
  activatedAt_ = now;
  squareSelection_ = true;
}

void PictureSelection::mouseDown(int button, double x, double y) {
  if (button == kLeftButton) trackSelection(PointerKind::Press, x, y);
}

void PictureSelection::mouseMove(int buttons, double x, double y) {
  if (buttons & kLeftButton) trackSelection(PointerKind::Move, x, y);
}

bool PictureSelection::mouseUp(int button, double x, double y, double now) {
  if (now - activatedAt_ < kReleaseGuardSeconds) return false;
  if (button == kRightButton) {
    squareSelection_ = !squareSelection_;
    trackSelection(PointerKind::Move, x, y);
    return false;
  }
  return trackSelection(PointerKind::Release, x, y);
}

bool PictureSelection::trackSelection(PointerKind mode, double x, double y) {
  y += kSelectionBelowPointer;
  switch (mode) {
    case PointerKind::Press:
      shapeVisible_ = true;
      startX_ = x;
      startY_ = y;
      // Not the rectangle of an earlier drag: that one would be converted by a
      // release that comes without any move in between.
      shape_ = {roundHalfEven(x), roundHalfEven(y), 0, 0};
      return false;
    case PointerKind::Move:
      drawTo(x, y);
      return false;
    case PointerKind::Release: {
      // A release with no selection under way (the click that opened the window,
      // another button) has nothing to convert.
      const bool wasDrawing = shapeVisible_;
      shapeVisible_ = false;
      return wasDrawing && dragWasLongEnough(x, y);
    }
  }
  return false;
}

void PictureSelection::drawTo(double x, double y) {
  const double dx = std::abs(x - startX_), dy = std::abs(y - startY_);
  if (!squareSelection_) {
    shape_ = {roundHalfEven(std::min(startX_, x)), roundHalfEven(std::min(startY_, y)), roundHalfEven(dx),
              roundHalfEven(dy)};
    return;
  }
  const double side = std::min(dx, dy);
  const double left = x > startX_ ? startX_ : startX_ - side;
  const double top = y > startY_ ? startY_ : startY_ - side;
  shape_ = {roundHalfEven(left), roundHalfEven(top), roundHalfEven(side), roundHalfEven(side)};
}

bool PictureSelection::dragWasLongEnough(double x, double y) const {
  const double dx = std::abs(x - startX_), dy = std::abs(y - startY_);
  if (!squareSelection_) return dx > kFreeDragThreshold || dy > kFreeDragThreshold;
  // The square's side, whichever way the drag went.
  return std::min(dx, dy) > kSquareDragThreshold;
}

}  // namespace pictavo
