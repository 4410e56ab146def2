#pragma once
#include <cstddef>
#include <cstdio>
#include <cstdint>

#include "app/ProgramState.h"
#include "icofile/IcoResult.h"
#include "icofile/IcoState.h"

namespace pictavo {

enum class DecodeStatus {
  Decoded,       // the temporary icon holds the image
  NotDecodable,  // not an image we read (bit count, header, index); buffer left blank
  Unreadable,    // the file could not be opened or read; buffer left blank
};

struct DecodeOutcome {
  DecodeStatus status = DecodeStatus::Decoded;
  std::string message;  // for Unreadable and NotDecodable: names the file and the reason
  explicit operator bool() const { return status == DecodeStatus::Decoded; }
};

// Decodes the 32 x 32 image whose header starts at data[0] into the temporary
// icon. Bytes at or past `size` read as zero. Accepts 1, 4, 8, 24 and 32 bits
// per pixel; anything else leaves the buffer blank (transparent white). A
// non-zero colour count below 2^bits gives the palette's length. A 32-bit
// image takes its transparency from alpha (below 128 is transparent) and its
// mask only when every alpha is 0, so a missing mask is never needed.
DecodeStatus decodeIconImage(const std::uint8_t* data, std::size_t size, IcoState& ico);

// LoadTempIco: decodes found icon k (0..iconCount - 1) of ico.openPath. An
// entry whose record is below 1 or offset outside 0..4096 is refused as
// missing, here and by the two variants below.
DecodeOutcome loadTempIco(IcoState& ico, int k);

// The same from `file`, open on ico.openPath, for decoding many icons of one
// file without opening it for each.
DecodeOutcome loadTempIcoFrom(IcoState& ico, int k, std::FILE* file);

// The same for found icon k of a scan of the bytes data[0, size) in memory;
// bytes past `size` read as zero, as past the end of a file.
DecodeOutcome loadTempIcoFromMemory(IcoState& ico, int k, const std::uint8_t* data, std::size_t size);

// MoveTempIco2Pixel: the temporary icon onto the canvas (preview not repainted).
void moveTempIco2Pixel(const IcoState& ico, Canvas& canvas);

// LoadSingleIcon / LoadChosenIcon: decode found icon k and, only if that
// worked, put it on the canvas and repaint the preview; the canvas's origin
// becomes that image. Touches neither iconSaved nor the undo levels.
DecodeOutcome loadIconOntoCanvas(ProgramState& state, int k);

}  // namespace pictavo
