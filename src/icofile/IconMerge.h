#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "icofile/ByteSource.h"

namespace pictavo {

enum class MergeStatus {
  Merged,       // bytes holds the new file
  NotIco,       // the target is no icon file (an .exe, a cursor, anything else)
  Unmergeable,  // it starts as an icon file but cannot be followed safely, or is full
};

struct Merge {
  MergeStatus status = MergeStatus::NotIco;
  std::vector<std::uint8_t> bytes;
  std::int64_t imageOffset = -1;  // where the new image's data starts in bytes
  int imageIndex = -1;            // its place in the new directory
  int kept = 0;                   // other images carried over
  bool replaced = false;          // it took an old image's place rather than being added
  std::string problem;            // for Unmergeable: why, without the file's name
};

// Targets larger than this are not merged (an icon file is never near it).
constexpr std::int64_t kLargestMergedFile = 64 << 20;

// Puts `newIcon`, a one-image icon file as the writers produce it, into the
// icon file `target`. The new image takes the place of the image whose data
// starts at `replaceOffset` (the image the canvas came from, when saving back
// to that file; -1 for none), else of the first 32 x 32 BMP image of the same
// bit count, else it is added at the end. Every other image is kept byte for
// byte with its directory entry (only the entry's offset field changes as the
// data moves); data follows the directory in directory order.
// A target that is not a sound icon file (type 1, at least one entry, every
// image inside the file and after the directory) is Unmergeable, as is one
// with 65535 images and none to replace, or one larger than kLargestMergedFile.
Merge mergeIconImage(ByteSource& target, const std::vector<std::uint8_t>& newIcon, std::int64_t replaceOffset);
Merge mergeIconImage(const std::uint8_t* target, std::size_t size, const std::vector<std::uint8_t>& newIcon,
                     std::int64_t replaceOffset);

}  // namespace pictavo
