#pragma once
#include "platform/MessageBoxes.h"
#include "app/ProgramState.h"

namespace pictavo {

// The "Save As (16 color)", "(256 color)" and "(24-bit color)" commands up to
// the file name: for 16 and 256 colours the save tables are prepared and,
// unless the user declines a warning, the reduced colours are put on the
// canvas. SaveDepth is set. Returns false when the user declined.
bool prepareSaveAsDepth(ProgramState& state, int depth, MessageBoxes& boxes);

}  // namespace pictavo
