#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "canvas/Canvas.h"

namespace pictavo {

constexpr int kMaxFoundIcons = 4097;

// The icon reader's and writer's program-wide tables. Every per-cell table
// is 0-based: element i belongs to cell i + 1.
struct IcoState {
  // Found-icons list, rebuilt by every scan; entries at n >= iconCount mean nothing.
  std::int32_t iconCount = 0;
  std::array<std::int32_t, kMaxFoundIcons> iconRecord{};  // 1-based record of the header
  std::array<std::int32_t, kMaxFoundIcons> iconOffset{};  // 0..4096 inside that record

  // Temporary icon buffer: the last image decoded (a refused one leaves it blank).
  std::array<Colour, kCellCount> tempColors{};
  std::array<std::int16_t, kCellCount> tempTransparent{};

  // Save tables, filled by the colour preparation and read by the writers.
  std::array<Colour, kCellCount> sourceColors{};
  std::array<Colour, kCellCount> colors16{};
  std::array<std::int16_t, kCellCount> index16{};
  std::array<Colour, kCellCount> colors256{};
  std::array<std::int16_t, kCellCount> index256{};
  std::array<Colour, 256> icoPalette{};  // palette of the last 16- or 256-colour write
  bool saveRefused = false;              // the user declined a loss-of-quality warning

  std::string openPath;     // file being scanned and decoded
  std::string savePath;     // file last written
  std::string lastIconDir;  // folder of the last file picked in the Open dialog
  bool openedFromFile = false;
  // The file and image the canvas was opened from or last saved as (the file
  // offset of the image's data: for a BMP image, its header), so a save back
  // to that file replaces that image; empty path when the canvas came from
  // anywhere else.
  std::string originPath;
  std::int64_t originOffset = -1;
  int chosenIcon = 0;  // chooser selection, index into the found-icons list
  int firstShown = 0;  // index shown in the chooser's first box
};

}  // namespace pictavo
