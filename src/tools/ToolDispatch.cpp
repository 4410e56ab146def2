#include <string>

#include "canvas/Preview.h"
#include "tools/PointerInput.h"
#include "tools/Tools.h"

namespace pictavo {
namespace {

using ToolOperation = void (*)(ProgramState&, PointerKind, int, int, int, int);

struct ToolEntry {
  const char* name;
  ToolOperation operation;
  bool yieldsFirst;    // let pending window events run before the repaint
  bool repaintsAfter;  // LayIcon once the operation is done
  bool dragsShape;     // acts on moves and releases only inside its own drag
};

constexpr ToolEntry kTools[] = {
    {"Paste", pasteTool, false, false, true},
    {"Pointer", pointerTool, false, false, true},
    {"Line", lineTool, true, true, true},
    {"Box", boxTool, false, true, true},
    {"BoxFill", boxFillTool, false, true, true},
    {"Fill", fillTool, true, true, false},
    {"Circle", circleTool, true, true, true},
    {"CircleFill", circleTool, true, true, true},
};

constexpr ToolEntry kPen{"Pen", penTool, false, false, false};

const ToolEntry& entryFor(const std::string& tool) {
  for (const ToolEntry& entry : kTools)
    if (tool == entry.name) return entry;
  return kPen;
}

// Starts, continues or refuses a drag. A move or release counts only inside a
// drag that a left press began with the same tool, so a stray move can never
// bring back an old snapshot over newer work.
bool admitDragEvent(ProgramState& state, PointerKind kind, int button) {
  DragState& drag = state.tools.drag;
  if (kind == PointerKind::Press) {
    drag.inProgress = button == kLeftButton;
    drag.tool = state.tool;
    return drag.inProgress;
  }
  if (!drag.inProgress || drag.tool != state.tool) return false;
  if ((button & kLeftButton) != 0) return true;
  // A move without the left button means its release was lost (a dialog took it).
  if (kind == PointerKind::Move) endDrag(state);
  return false;
}

}  // namespace

void penTool(ProgramState& state, PointerKind, int, int, int column, int row) {
  Cell& cell = state.canvas.at(column, row);
  state.colour.paint(cell);
  state.preview.setPixel(column, row, cell.colour);
}

void toolEvent(ProgramState& state, PointerKind kind, int button, int shift, int column, int row) {
  if (!isOnCanvas(column, row)) return;
  // A press while a drag is open means its release was lost: that drag ends
  // first, or its outline would be taken into the new snapshot.
  if (kind == PointerKind::Press) endDrag(state);
  const ToolEntry& entry = entryFor(state.tool);
  if (entry.dragsShape && !admitDragEvent(state, kind, button)) return;

  // Ended before the operation runs: a press handled while it yields starts a new drag.
  if (entry.dragsShape && kind == PointerKind::Release) state.tools.drag.inProgress = false;
  state.colour.updatePaintColor();
  state.iconSaved = false;
  entry.operation(state, kind, button, shift, column, row);
  if (entry.yieldsFirst && state.yieldToEvents) state.yieldToEvents();
  if (entry.repaintsAfter) layIcon(state.canvas, state.preview);
}

}  // namespace pictavo
