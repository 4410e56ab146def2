#pragma once

#include "app/ProgramState.h"
#include "tools/PointerInput.h"

namespace pictavo {

// Tool operations: called by toolEvent for every event it passes on a cell.
void penTool(ProgramState& state, PointerKind kind, int button, int shift, int column, int row);
void lineTool(ProgramState& state, PointerKind kind, int button, int shift, int column, int row);
void boxTool(ProgramState& state, PointerKind kind, int button, int shift, int column, int row);
void boxFillTool(ProgramState& state, PointerKind kind, int button, int shift, int column, int row);
// "Circle" and "CircleFill"; the filled variant is chosen by the current tool.
void circleTool(ProgramState& state, PointerKind kind, int button, int shift, int column, int row);
void fillTool(ProgramState& state, PointerKind kind, int button, int shift, int column, int row);
void pointerTool(ProgramState& state, PointerKind kind, int button, int shift, int column, int row);
void pasteTool(ProgramState& state, PointerKind kind, int button, int shift, int column, int row);

// A selection drag whose release happened off the grid: the outline goes and
// the rectangle up to the last cell reached is copied.
void finishSelectionOffGrid(ProgramState& state);

}  // namespace pictavo
