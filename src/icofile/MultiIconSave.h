#pragma once
#include <string>

#include "app/ProgramState.h"
#include "icofile/IcoResult.h"
#include "icofile/IconMerge.h"
#include "platform/AtomicFile.h"

namespace pictavo {

struct MultiIconSave {
  IcoResult result;  // as saveIcon's; on failure nothing was written
  MergeStatus merge = MergeStatus::NotIco;  // Merged when the target's images were kept
  int kept = 0;                             // the target's other images, kept byte for byte
  bool replaced = false;                    // the icon took an old image's place
  // For the status bar: what became of the target's images; empty when there
  // were none to keep (a new file, or a target that is no icon file).
  std::string note;
};

// SaveAs with "Allow saving more than one icon into a file." ticked: writes
// the canvas at state.saveDepth (tables prepared as for saveIcon) into the
// existing icon file `path`, keeping its other images (see mergeIconImage).
// Saving back to the file the canvas came from (ico.originPath, compared as
// the same file) replaces that image. A new target, or one that is no icon
// file, gets the one-image file saveIcon writes; so does a target that starts
// as an icon file but cannot be merged, and the note says so. A target that
// exists but cannot be read is refused, so nothing of it is lost. The write
// is atomic. On success: ico.savePath := path, iconSaved := true, and the
// canvas's origin becomes the image written.
MultiIconSave saveIconKeepingImages(ProgramState& state, const std::string& path,
                                    Durability durability = Durability::Immediate);
MultiIconSave saveIconKeepingImages(ProgramState& state, const std::string& path, int depth,
                                    Durability durability = Durability::Immediate);

}  // namespace pictavo
