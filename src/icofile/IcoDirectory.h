#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "icofile/ByteSource.h"

namespace pictavo {

constexpr int kIcoHeaderSize = 6;
constexpr int kIcoEntrySize = 16;

// One ICONDIRENTRY as stored, with the two fields that place its image.
struct IcoEntry {
  std::array<std::uint8_t, kIcoEntrySize> raw{};
  std::uint32_t size = 0;    // bytes in the image
  std::uint32_t offset = 0;  // where the image starts in the file
  bool inFile = false;       // the image lies wholly in the file, after the directory
};

enum class IcoDirectoryStatus {
  NotIco,   // does not start as an icon (type 1) or cursor (type 2) directory
  Damaged,  // starts as one, but holds no entry or the entries run past the end
  Read,
};

struct IcoDirectory {
  IcoDirectoryStatus status = IcoDirectoryStatus::NotIco;
  int type = 0;  // 1 icon, 2 cursor
  std::vector<IcoEntry> entries;
  std::string problem;  // for Damaged: what is wrong, without the file's name
};

// Reads the directory at the start of `in` (at most 65535 entries).
IcoDirectory readIcoDirectory(ByteSource& in);

}  // namespace pictavo
