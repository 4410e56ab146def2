#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "canvas/Canvas.h"

namespace pictavo {

struct CellPos {
  int column = 0;
  int row = 0;

  friend bool operator==(const CellPos& a, const CellPos& b) {
    return a.column == b.column && a.row == b.row;
  }
  friend bool operator!=(const CellPos& a, const CellPos& b) { return !(a == b); }
};

inline Canvas canvasFilledWith(Cell cell) {
  Canvas canvas;
  canvas.cells().fill(cell);
  return canvas;
}

// The press-drag-release machinery that the shape tools share.
struct DragState {
  CellPos anchor;  // where the press happened
  CellPos end;     // where the latest release happened
  CellPos last;    // the cell the previous shape event was handled at
  // A drag that began with an accepted left press is running; moves and
  // releases of the shape tools count only then, and only for the tool that began it.
  bool inProgress = false;
  std::string tool;
  Canvas snapshot;  // the cells before the press, for the rubber-band preview
};

// What the previous fill did, so repeated events on one cell fill once.
struct FillMemory {
  std::optional<CellPos> lastFillCell;  // no cell at start
  Colour lastFillColor = 0;
};

struct SavedCanvas {
  Canvas cells;
  std::int16_t saveDepth = 24;
};

// Three undo levels with one redo, and the user's separate backup copy.
struct UndoBuffer {
  static constexpr int kLevels = 3;
  std::array<SavedCanvas, kLevels> levels;  // [0] is the most recent
  int undoCount = 0;
  SavedCanvas redo;
  bool redoReady = false;
  SavedCanvas backup;
  bool backupReady = false;
};

// The private copy clipboard: a whole canvas, of which only the rectangle is read.
struct CopyClipboard {
  Canvas cells = canvasFilledWith(Cell{kBlack, 0});
  int clipLeft = 0, clipRight = 0, clipTop = 0, clipBottom = 0;
};

// State of the editing tools that lives as long as the main window.
struct ToolState {
  DragState drag;
  FillMemory fill;
  UndoBuffer undo;
  CopyClipboard clipboard;
  int colorCount = 0;
};

}  // namespace pictavo
