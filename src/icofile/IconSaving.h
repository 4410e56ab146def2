#pragma once
#include <string>

#include "platform/MessageBoxes.h"
#include "app/ProgramState.h"
#include "icofile/IcoResult.h"
#include "platform/AtomicFile.h"

namespace pictavo {

struct IconTypeOutcome {
  bool accepted = false;  // false: the user declined a warning (ico.saveRefused)
  int colorCount = 0;     // also left in tools.colorCount: the canvas's count, or colors256's if reduced
};

// SetIconType: prepares the save tables for depth 16 (index16, colors16) or
// 256 (colors256), asking through `boxes` before a lossy reduction. The
// canvas is not changed; on acceptance the caller puts the prepared colours
// on it (applyPreparedColours) and saves. Other depths need no preparation.
IconTypeOutcome setIconType(ProgramState& state, int depth, MessageBoxes& boxes);

// What SaveAs does once the file name is chosen: ico.savePath := path, write
// with the writer of state.saveDepth, iconSaved := true only when the file was
// written (the canvas's origin is then that file's image). The tables for 16
// and 256 colours must have been prepared.
IcoResult saveIcon(ProgramState& state, const std::string& path,
                   Durability durability = Durability::Immediate);
IcoResult saveIcon(ProgramState& state, const std::string& path, int depth,
                   Durability durability = Durability::Immediate);

}  // namespace pictavo
