#pragma once

#include "platform/MessageBoxes.h"
#include "app/ProgramState.h"

namespace pictavo {

// Whole-canvas commands. Each ends any drag in progress first, repaints the
// preview when it is done, and (New apart) marks the icon unsaved when it
// changes cells.

void flipHorizontal(ProgramState& state);
void flipVertical(ProgramState& state);
void rotateQuarter(ProgramState& state);  // clockwise on screen
void slideUp(ProgramState& state);        // slides wrap round
void slideDown(ProgramState& state);
void slideLeft(ProgramState& state);
void slideRight(ProgramState& state);

void brighter(ProgramState& state);
void darker(ProgramState& state);
void moreContrast(ProgramState& state);
void lessContrast(ProgramState& state);
void blackAndWhite(ProgramState& state);

// DoBackup: push the canvas (and SaveDepth) as the newest undo level.
void doBackup(ProgramState& state);
void undo(ProgramState& state);
void redo(ProgramState& state);
void backupIcon(ProgramState& state);
void restoreIcon(ProgramState& state);

// The New command after its save prompt: undoable, leaves IconSaved alone.
void newIcon(ProgramState& state);

// Number of distinct colour values over the cells (transparent flags ignored).
int countColors(ProgramState& state);
// Clears the bits missing from mask in every cell's colour; one undo level.
void mergeColors(ProgramState& state, Colour mask);
// The mask of merge step 1, 2, 4, ... 64: every channel 255 - step.
Colour mergeMask(int step);
// Count Colors: shows the count and merges similar colours while the user agrees.
void countColorsCommand(ProgramState& state, MessageBoxes& boxes);

}  // namespace pictavo
