#include "icofile/BmpImage.h"

#include <array>

namespace pictavo {
namespace {

std::uint32_t le32(const std::uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }

bool decodedBitCount(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32; }

// Palette length, rows and mask from the header size, size and bit counts.
BmpLayout layOut(std::size_t headerSize, int width, int height, int bits, std::uint32_t coloursUsed) {
  BmpLayout l;
  l.width = width;
  l.height = height;
  l.bits = bits;
  const int full = bits <= 8 ? 1 << bits : 0;
  l.paletteEntries = coloursUsed != 0 && coloursUsed < std::uint32_t(full) ? int(coloursUsed) : full;
  l.paletteAt = headerSize;
  l.pixelsAt = headerSize + 4 * std::size_t(l.paletteEntries);
  l.rowBytes = (std::size_t(width) * std::size_t(bits) + 31) / 32 * 4;
  l.maskRowBytes = (std::size_t(width) + 31) / 32 * 4;
  l.maskAt = l.pixelsAt + l.rowBytes * std::size_t(height);
  l.end = l.maskAt + l.maskRowBytes * std::size_t(height);
  return l;
}

// The image's bytes, zero at and past its end.
struct Reader {
  const std::uint8_t* data;
  std::size_t size;
  std::uint8_t operator[](std::size_t i) const { return i < size ? data[i] : 0; }
};

void readIndexed(const Reader& in, const BmpLayout& l, RgbaImage& out) {
  std::array<std::array<std::uint8_t, 3>, 256> palette{};
  for (int j = 0; j < l.paletteEntries; ++j) {
    const std::size_t at = l.paletteAt + 4 * std::size_t(j);
    palette[std::size_t(j)] = {in[at + 2], in[at + 1], in[at]};  // stored blue, green, red, unused
  }
  const int perByte = 8 / l.bits;
  const int mask = (1 << l.bits) - 1;
  for (int y = 0; y < l.height; ++y) {
    const std::size_t row = l.pixelsAt + l.rowBytes * std::size_t(l.height - 1 - y);  // bottom row first
    for (int x = 0; x < l.width; ++x) {
      const int shift = 8 - l.bits * (x % perByte + 1);  // leftmost pixel in the high bits
      const int index = (in[row + std::size_t(x / perByte)] >> shift) & mask;
      // An index past a shortened palette reads black.
      const auto& c = palette[std::size_t(index)];
      std::uint8_t* p = out.pixel(x, y);
      p[0] = c[0], p[1] = c[1], p[2] = c[2], p[3] = 255;
    }
  }
}

// Returns whether any alpha byte is non-zero.
bool readTrueColour(const Reader& in, const BmpLayout& l, RgbaImage& out) {
  const std::size_t bytes = std::size_t(l.bits) / 8;
  bool alphaUsed = false;
  for (int y = 0; y < l.height; ++y) {
    const std::size_t row = l.pixelsAt + l.rowBytes * std::size_t(l.height - 1 - y);
    for (int x = 0; x < l.width; ++x) {
      const std::size_t at = row + bytes * std::size_t(x);
      std::uint8_t* p = out.pixel(x, y);
      p[0] = in[at + 2], p[1] = in[at + 1], p[2] = in[at];
      p[3] = bytes == 4 ? in[at + 3] : 255;
      alphaUsed = alphaUsed || (bytes == 4 && p[3] != 0);
    }
  }
  return alphaUsed;
}

void applyMask(const Reader& in, const BmpLayout& l, RgbaImage& out) {
  for (int y = 0; y < l.height; ++y) {
    const std::size_t row = l.maskAt + l.maskRowBytes * std::size_t(l.height - 1 - y);
    for (int x = 0; x < l.width; ++x) {
      const bool transparent = (in[row + std::size_t(x / 8)] >> (7 - x % 8)) & 1;
      out.pixel(x, y)[3] = transparent ? 0 : 255;
    }
  }
}

}  // namespace

std::optional<BmpLayout> bmpIconLayout(const std::uint8_t* data, std::size_t size) {
  if (size < 40) return std::nullopt;
  const std::uint32_t headerSize = le32(data);
  const std::int64_t width = std::int32_t(le32(data + 4));
  const std::int64_t doubled = std::int32_t(le32(data + 8));  // picture and mask
  const int planes = data[12] | data[13] << 8;
  const int bits = data[14] | data[15] << 8;
  if (headerSize < 40 || headerSize > size || planes != 1 || !decodedBitCount(bits) || le32(data + 16) != 0)
    return std::nullopt;
  if (width < 1 || width > kMaxImageSide || doubled < 2 || doubled % 2 != 0 || doubled / 2 > kMaxImageSide)
    return std::nullopt;
  return layOut(headerSize, int(width), int(doubled / 2), bits, le32(data + 32));
}

std::optional<BmpLayout> scannedIconLayout(const std::uint8_t* data, std::size_t size) {
  std::array<std::uint8_t, 36> head{};
  for (std::size_t i = 0; i < head.size() && i < size; ++i) head[i] = data[i];
  const int bits = head[14];
  if (head[0] != 40 || !decodedBitCount(bits)) return std::nullopt;
  return layOut(40, 32, 32, bits, le32(&head[32]));
}

RgbaImage decodeBmpIcon(const std::uint8_t* data, std::size_t size, const BmpLayout& layout) {
  const Reader in{data, size};
  RgbaImage out(layout.width, layout.height);
  if (layout.bits <= 8) {
    readIndexed(in, layout, out);
    applyMask(in, layout, out);
  } else if (!readTrueColour(in, layout, out)) {
    applyMask(in, layout, out);  // alpha all zero: the mask is the only transparency
  }
  return out;
}

}  // namespace pictavo
