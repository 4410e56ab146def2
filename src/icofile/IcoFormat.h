#pragma once
#include <array>
#include <cstdint>

#include "canvas/Colour.h"

namespace pictavo {

// Files are looked at in fixed records; a position is reported as the
// 1-based record it falls in and its offset inside that record.
constexpr int kScanRecordSize = 4097;

// Size 40, width 32, height 64 (colour bitmap plus mask), one plane: the
// first 14 bytes of the image header of every 32 x 32 icon image.
constexpr std::array<std::uint8_t, 14> kIconSignature = {0x28, 0, 0, 0, 0x20, 0, 0, 0,
                                                         0x40, 0, 0, 0, 0x01, 0};

constexpr int kImageHeaderSize = 40;
constexpr int kMaskBytes = 128;        // 32 rows of 4 bytes
constexpr int kDirectorySize = 22;     // ICONDIR + one ICONDIRENTRY
constexpr int kFileHeaderSize = kDirectorySize + kImageHeaderSize;

// Bytes from the image header to the end of the largest image decoded (32 bits per pixel).
constexpr int kLargestImageBytes = kImageHeaderSize + 32 * 32 * 4 + kMaskBytes;

constexpr int kIcon16FileSize = 766;
constexpr int kIcon256FileSize = 2238;
constexpr int kIcon24FileSize = 3262;

// The fixed 16-colour palette, as canvas values (red in the low byte).
constexpr std::array<Colour, 16> kPalette16 = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

}  // namespace pictavo
