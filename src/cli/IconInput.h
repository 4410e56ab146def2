#pragma once
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "app/ProgramState.h"
#include "cli/CliSupport.h"
#include "icofile/IconImages.h"
#include "icofile/IconScanner.h"
#include "platform/AtomicFile.h"

namespace pictavo::cli {

// Scans `file` for icons as Open does; throws CliError when unreadable (2) or empty (3).
ScanOutcome scanOrFail(ProgramState& state, const std::string& file);

// Where found icon k's header starts in the file.
std::int64_t headerPosition(const IcoState& ico, int k);

// The header's bit count, two bytes after the 14 that were matched; 0 past the end.
int bitCountAt(std::FILE* in, std::int64_t headerOffset);

// Scans `file` and puts icon `index` on the canvas as Open would.
void loadIconOrFail(ProgramState& state, const std::string& file, int index);

// Lists the images of `file` of any size; throws CliError when it cannot (2).
ImageList listOrFail(const std::string& file);

// Puts image `image` (an index from `images`) of `file` on the canvas, resampled.
void loadImageOrFail(ProgramState& state, const std::string& file, int image);

// What dump, count, edit and thumbnail start from.
struct IconChoice {
  std::string file;
  std::optional<int> index;  // found 32 x 32 icon (default 0)
  std::optional<int> image;  // listed image of any size instead
};

// Takes --index N or --image N (not both) from `option`; false for other options.
bool takeIconChoice(const std::string& option, ArgCursor& args, IconChoice& choice);

// Loads the chosen icon. Without --index or --image, a file with no 32 x 32
// images falls back to its best image when `fallBack` (saying so on standard
// error), as Open offers them.
void loadChoiceOrFail(ProgramState& state, const IconChoice& choice, bool fallBack);

// The best image of a file without 32 x 32 images on the canvas; false (with
// nothing changed) when it has none that decodes.
bool loadBestImage(ProgramState& state, const std::string& file);

// Writes the canvas at `depth` into `out` keeping its other images, as Save
// does with "Allow saving more than one icon into a file." ticked; what
// became of them goes to standard error.
void saveKeepingImagesOrFail(ProgramState& state, const std::string& out, int depth);

// Writes the canvas through the Save As path of the given depth.
void saveOrFail(ProgramState& state, const std::string& out, int depth,
                Durability durability = Durability::Immediate);

}  // namespace pictavo::cli
