#include "tools/CanvasChange.h"
#include "tools/Commands.h"

namespace pictavo {
namespace {

SavedCanvas current(const ProgramState& state) { return {state.canvas, state.saveDepth}; }

void bringBack(ProgramState& state, const SavedCanvas& saved) {
  state.canvas = saved.cells;
  state.saveDepth = saved.saveDepth;
}

// The newest level goes on top; the oldest falls off the end.
void pushLevel(UndoBuffer& buffer, const SavedCanvas& saved) {
  if (buffer.undoCount < UndoBuffer::kLevels) ++buffer.undoCount;
  for (int i = UndoBuffer::kLevels - 1; i > 0; --i) buffer.levels[i] = buffer.levels[i - 1];
  buffer.levels[0] = saved;
}

}  // namespace

void doBackup(ProgramState& state) {
  UndoBuffer& buffer = state.tools.undo;
  pushLevel(buffer, current(state));
  buffer.redoReady = false;
}

// The oldest level stays where it was as well, so the two oldest become equal.
void undo(ProgramState& state) {
  UndoBuffer& buffer = state.tools.undo;
  if (buffer.undoCount < 1) return;
  beginCanvasChange(state);
  --buffer.undoCount;
  buffer.redoReady = true;
  buffer.redo = current(state);
  bringBack(state, buffer.levels[0]);
  for (int i = 0; i < UndoBuffer::kLevels - 1; ++i) buffer.levels[i] = buffer.levels[i + 1];
  finishCanvasChange(state);
}

void redo(ProgramState& state) {
  UndoBuffer& buffer = state.tools.undo;
  if (!buffer.redoReady) return;
  beginCanvasChange(state);
  pushLevel(buffer, current(state));
  bringBack(state, buffer.redo);
  finishCanvasChange(state);
  buffer.redoReady = false;
}

void backupIcon(ProgramState& state) {
  beginCanvasChange(state);
  state.tools.undo.backup = current(state);
  state.tools.undo.backupReady = true;
}

void restoreIcon(ProgramState& state) {
  const UndoBuffer& buffer = state.tools.undo;
  if (!buffer.backupReady) return;
  beginCanvasChange(state);
  bringBack(state, buffer.backup);
  finishCanvasChange(state);
}

void newIcon(ProgramState& state) {
  beginCanvasChange(state);
  doBackup(state);
  state.canvas.reset();
  layIcon(state.canvas, state.preview);
  // A later save must not replace the image the old canvas came from.
  state.ico.originPath.clear();
  state.ico.originOffset = -1;
}

}  // namespace pictavo
