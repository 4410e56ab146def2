#include "icofile/IcoWriter.h"

#include <cstdlib>

#include "canvas/ColourTable.h"
#include "platform/AtomicFile.h"
#include "icofile/IcoFormat.h"

namespace pictavo {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void put32(Bytes& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}
void putColour(Bytes& out, Colour c) {
  out.push_back(static_cast<std::uint8_t>(blueOf(c)));
  out.push_back(static_cast<std::uint8_t>(greenOf(c)));
  out.push_back(static_cast<std::uint8_t>(redOf(c)));
}

// Directory, one entry and the image header; the fields as this format fixes them.
Bytes header(int colourCount, std::uint32_t bytesInImage, int bitCount,
             std::uint32_t imageSize, std::uint32_t coloursUsed) {
  Bytes out;
  out.reserve(kIcon24FileSize);  // the largest file
  put16(out, 0);
  put16(out, 1);  // an icon
  put16(out, 1);  // one image
  out.insert(out.end(), {32, 32, static_cast<std::uint8_t>(colourCount), 0});
  put16(out, 0);  // planes and bit count are left 0 in the directory entry
  put16(out, 0);
  put32(out, bytesInImage);
  put32(out, kDirectorySize);
  put32(out, kImageHeaderSize);
  put32(out, 32);
  put32(out, 64);  // colour bitmap and mask
  put16(out, 1);
  put16(out, static_cast<unsigned>(bitCount));
  put32(out, 0);
  put32(out, imageSize);
  put32(out, 0);
  put32(out, 0);
  put32(out, coloursUsed);
  put32(out, 0);
  return out;
}

void putPalette(Bytes& out, const IcoState& ico, int entries) {
  for (int k = 0; k < entries; ++k) {
    putColour(out, ico.icoPalette[k]);
    out.push_back(0);
  }
}

// Bottom row first, one bit per cell, leftmost cell in the high bit.
void putMask(Bytes& out, const Canvas& canvas) {
  for (int row = kGridSize - 1; row >= 0; --row)
    for (int col = 0; col < kGridSize; col += 8) {
      unsigned byte = 0;
      for (int j = 0; j < 8; ++j)
        if (canvas.at(col + j, row).transparent == 1) byte |= 0x80u >> j;
      out.push_back(static_cast<std::uint8_t>(byte));
    }
}

int channelDistance(Colour a, Colour b) {
  return std::abs(redOf(a) - redOf(b)) + std::abs(greenOf(a) - greenOf(b)) +
         std::abs(blueOf(a) - blueOf(b));
}

int nearestEntry(const IcoState& ico, int used, Colour c) {
  int best = 0;
  int bestDistance = channelDistance(ico.icoPalette[0], c);
  for (int k = 1; k < used; ++k) {
    const int d = channelDistance(ico.icoPalette[k], c);
    if (d < bestDistance) {
      best = k;
      bestDistance = d;
    }
  }
  return best;
}

IcoResult writeTo(const ProgramState& state, const Bytes& bytes, Durability durability) {
  const int err = replaceFileAtomically(state.ico.savePath, bytes.data(), bytes.size(), durability);
  if (err != 0) return IcoResult::failure(describeFileError("Could not save", state.ico.savePath, err));
  return IcoResult::success();
}

}  // namespace

void buildPalette(IcoState& ico, int depth) {
  if (depth == 16) {
    for (int k = 0; k < 16; ++k) ico.icoPalette[k] = kPalette16[k];
    return;
  }
  if (depth != 256) return;
  ico.icoPalette.fill(0);  // unused entries are written as black
  int used = 0;
  ColourTable<int> known;  // once the palette is full it no longer changes, nor does a nearest entry
  for (int i = 0; i < kCellCount; ++i) {
    const Colour c = ico.colors256[i];
    bool fresh = false;
    int& k = known.at(c, &fresh);
    if (fresh) {
      if (used < static_cast<int>(ico.icoPalette.size())) {
        ico.icoPalette[used] = c;
        k = used++;
      } else {
        k = nearestEntry(ico, used, c);
      }
    }
    ico.index256[i] = static_cast<std::int16_t>(k);
  }
}

std::vector<std::uint8_t> encodeIcon16(IcoState& ico, const Canvas& canvas) {
  Bytes out = header(16, 744, 4, 640, 0);
  buildPalette(ico, 16);
  putPalette(out, ico, 16);
  for (int row = kGridSize - 1; row >= 0; --row)
    for (int col = 0; col < kGridSize; col += 2) {
      const int i = row * kGridSize + col;
      out.push_back(static_cast<std::uint8_t>(((ico.index16[i] & 15) << 4) | (ico.index16[i + 1] & 15)));
    }
  putMask(out, canvas);
  return out;
}

std::vector<std::uint8_t> encodeIcon256(IcoState& ico, const Canvas& canvas) {
  Bytes out = header(0, 2216, 8, 1152, 256);
  buildPalette(ico, 256);
  putPalette(out, ico, 256);
  for (int row = kGridSize - 1; row >= 0; --row)
    for (int col = 0; col < kGridSize; ++col)
      out.push_back(static_cast<std::uint8_t>(ico.index256[row * kGridSize + col]));
  putMask(out, canvas);
  return out;
}

std::vector<std::uint8_t> encodeIcon24(const Canvas& canvas) {
  Bytes out = header(0, 3240, 24, 0, 0);
  for (int row = kGridSize - 1; row >= 0; --row)
    for (int col = 0; col < kGridSize; ++col) {
      const Cell& c = canvas.at(col, row);
      putColour(out, c.transparent == 1 ? kBlack : c.colour);
    }
  putMask(out, canvas);
  return out;
}

IcoResult writeIcon16(ProgramState& state, Durability durability) {
  return writeTo(state, encodeIcon16(state.ico, state.canvas), durability);
}
IcoResult writeIcon256(ProgramState& state, Durability durability) {
  return writeTo(state, encodeIcon256(state.ico, state.canvas), durability);
}
IcoResult writeIcon24(ProgramState& state, Durability durability) {
  return writeTo(state, encodeIcon24(state.canvas), durability);
}

}  // namespace pictavo
