#pragma once
#include <limits>

#include "picture/PictureSampling.h"
#include "tools/PointerInput.h"

namespace pictavo {

// A release this soon after the window became active belongs to the click that
// opened it (a double-click in the file dialog), not to a selection.
constexpr double kReleaseGuardSeconds = 0.5;
// The rectangle sits one pixel below the pointer, in window pixels: the picture
// area starts kPictureAreaTop (20) pixels down.
constexpr int kSelectionBelowPointer = 21;
// A release converts when the drag went further than this.
constexpr int kFreeDragThreshold = 5;
constexpr int kSquareDragThreshold = 10;

// The picture window's selection rectangle (Shape1). Pointer positions come in
// picture-area pixels; the rectangle is kept in window client pixels, where the
// sampling reads.
class PictureSelection {
 public:
  // Window activation at `now` (seconds): a new selection is square again and
  // the release guard restarts.
  void activate(double now);

  void mouseDown(int button, double x, double y);
  void mouseMove(int buttons, double x, double y);
  // True when the release converts the rectangle as last drawn. A right-button
  // release switches between square and free and redraws at the pointer.
  bool mouseUp(int button, double x, double y, double now);

  // TrackSelection (mode 1 press, 2 release, 3 move); true when a release converts.
  bool trackSelection(PointerKind mode, double x, double y);

  bool squareSelection() const { return squareSelection_; }
  bool shapeVisible() const { return shapeVisible_; }
  const SelectionRect& shape() const { return shape_; }

 private:
  void drawTo(double x, double y);
  bool dragWasLongEnough(double x, double y) const;

  bool squareSelection_ = true;
  bool shapeVisible_ = false;
  SelectionRect shape_;
  double startX_ = 0, startY_ = 0;
  double activatedAt_ = -std::numeric_limits<double>::infinity();
};

}  // namespace pictavo
