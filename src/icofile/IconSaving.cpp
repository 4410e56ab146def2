#include "icofile/IconSaving.h"

#include "icofile/ColourReduction.h"
#include "icofile/IcoFormat.h"
#include "icofile/IcoWriter.h"
#include "tools/Commands.h"

namespace pictavo {
namespace {

bool confirmed(MessageBoxes& boxes, const std::string& text) {
  return boxes.show(text, "", Buttons::OkCancel) == Answer::Ok;
}

IconTypeOutcome settle(ProgramState& state, bool accepted, int count) {
  state.ico.saveRefused = !accepted;
  state.tools.colorCount = count;
  return {accepted, count};
}

}  // namespace

IconTypeOutcome setIconType(ProgramState& state, int depth, MessageBoxes& boxes) {
  IcoState& ico = state.ico;
  const int firstCount = countColors(state);
  copySourceColours(ico, state.canvas);
  if (depth == 16) {
    if (firstCount > 50 && !confirmed(boxes, sixteenColourWarning(firstCount)))
      return settle(state, false, firstCount);
    prepare16(ico, state.canvas);
    return settle(state, true, firstCount);
  }
  if (depth != 256) return settle(state, true, firstCount);
  const Reduction r = prepare256(ico, state.canvas, firstCount);
  if (r.passes == 3 && !confirmed(boxes, compressionWarning(firstCount, r.colorCount)))
    return settle(state, false, r.colorCount);
  return settle(state, true, r.passes == 0 ? firstCount : r.colorCount);
}

IcoResult saveIcon(ProgramState& state, const std::string& path, Durability durability) {
  state.ico.savePath = path;
  IcoResult result;
  switch (state.saveDepth) {
    case 16: result = writeIcon16(state, durability); break;
    case 256: result = writeIcon256(state, durability); break;
    case 24: result = writeIcon24(state, durability); break;
    default:
      return IcoResult::failure("Could not save " + path + ": unknown colour depth " +
                                std::to_string(state.saveDepth));
  }
  if (result) {
    state.iconSaved = true;
    state.ico.originPath = path;  // the one image, right after the directory
    state.ico.originOffset = kDirectorySize;
  }
  return result;
}

IcoResult saveIcon(ProgramState& state, const std::string& path, int depth,
                   Durability durability) {
  state.saveDepth = static_cast<std::int16_t>(depth);
  return saveIcon(state, path, durability);
}

}  // namespace pictavo
