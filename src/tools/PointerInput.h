#pragma once
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "app/ProgramState.h"
#include "canvas/GridGeometry.h"

namespace pictavo {

enum class PointerKind { Press = 1, Release = 2, Move = 3 };

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

// The cell (column, row) under a main-window client position, if any.
std::optional<std::pair<int, int>> cellAtPoint(const GridGeometry& geometry, double x, double y);

// GridMouse: a main-window pointer event on the grid becomes a tool event on a cell.
void gridMouse(ProgramState& state, PointerKind kind, int button, int shift, double x, double y);

// A pointer event on a cell, dispatched on the current tool.
void toolEvent(ProgramState& state, PointerKind kind, int button, int shift, int column, int row);

// Main-window pointer events, in client pixels. readSurface returns the colour
// drawn on screen at a position, kNoColour outside the window surface.
void formMouseDown(ProgramState& state, int button, int shift, double x, double y,
                   const std::function<Colour(double, double)>& readSurface);
void formMouseMove(ProgramState& state, int buttons, int shift, double x, double y);
void formMouseUp(ProgramState& state, int button, int shift, double x, double y);

// The palette picture's events, in palette image pixels. They work even while busy.
void paletteMouseDown(ProgramState& state, int button, int shift, double x, double y);
void paletteMouseMove(ProgramState& state, int buttons, int shift, double x, double y);

// Paints the cell nearest to (x, y) with the pen; the preview is left alone.
void plotCell(ProgramState& state, double x, double y);

// The rubber-band copy of the cells taken at a shape tool's press.
void takeSnapshot(ProgramState& state);
void restoreSnapshot(ProgramState& state);

// Ends any drag in progress before something else reads or changes the cells:
// a selection's outline is taken back out, a shape stays as drawn.
void endDrag(ProgramState& state);

// Chooses the grid's tool; a drag begun with another tool ends first.
void selectTool(ProgramState& state, const std::string& tool);

// Whether a main-window position lies on the transparent swatch (strict bounds).
bool onTransparentSwatch(double x, double y);

}  // namespace pictavo
