#include "picture/PictureFileChecks.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace pictavo {

std::optional<PictureType> pictureTypeOfPath(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || path.find_first_of("/\\", dot) != std::string::npos) return std::nullopt;
  std::string ext = path.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  if (ext == "jpg") return PictureType::Jpeg;
  if (ext == "bmp") return PictureType::Bmp;
  if (ext == "gif") return PictureType::Gif;
  if (ext == "ico") return PictureType::Ico;
  if (ext == "rle") return PictureType::Rle;
  if (ext == "emf") return PictureType::Emf;
  if (ext == "wmf") return PictureType::Wmf;
  return std::nullopt;
}

bool jpegIsComplete(const PictureBytes& file) {
  if (!file.has(0, 2) || file.u8(0) != 0xFF || file.u8(1) != 0xD8) return false;
  // Walk the marker segments to the first scan; the image is whole when an
  // end-of-image marker follows it (entropy-coded data never holds FF D9, and
  // thumbnails before the scan have their own).
  std::size_t at = 2;
  while (true) {
    while (file.has(at, 1) && file.u8(at) == 0xFF && file.has(at + 1, 1) && file.u8(at + 1) == 0xFF) ++at;
    if (!file.has(at, 4) || file.u8(at) != 0xFF) return false;
    const std::uint8_t marker = file.u8(at + 1);
    const std::size_t length = static_cast<std::size_t>(file.u8(at + 2) << 8 | file.u8(at + 3));
    if (length < 2 || !file.has(at + 2, length)) return false;
    at += 2 + length;
    if (marker == 0xDA) break;
  }
  for (; file.has(at, 2); ++at)
    if (file.u8(at) == 0xFF && file.u8(at + 1) == 0xD9) return true;
  return false;
}

namespace {

// Walks a 4- or 8-bit run-length stream; true when it ends (or covers every row) inside the file.
bool rleStreamIsComplete(const PictureBytes& file, std::size_t at, int bitsPerPixel, long rows) {
  long linesEnded = 0;
  while (file.has(at, 2)) {
    const std::uint8_t count = file.u8(at), code = file.u8(at + 1);
    at += 2;
    if (count != 0) continue;
    if (code == 0) {
      if (++linesEnded >= rows) return true;
    } else if (code == 1) {
      return true;
    } else if (code == 2) {
      at += 2;
    } else {
      const std::size_t bytes = bitsPerPixel == 8 ? code : (code + 1u) / 2;
      at += bytes + (bytes & 1);
    }
  }
  return false;
}

}  // namespace

bool bmpIsComplete(const PictureBytes& file) {
  if (!file.has(0, 30) || file.u8(0) != 'B' || file.u8(1) != 'M') return false;
  const std::uint32_t pixelsAt = file.u32(10), infoSize = file.u32(14);
  if (infoSize < 12 || !file.has(14, infoSize) || pixelsAt >= file.size) return false;
  long width, height;
  int bits;
  std::uint32_t compression = 0;
  if (infoSize == 12) {
    width = file.u16(18), height = file.i16(20), bits = file.u16(24);
  } else {
    if (infoSize < 40) return false;
    width = file.i32(18), height = file.i32(22), bits = file.u16(28), compression = file.u32(30);
  }
  if (width <= 0 || height == 0 || height == INT32_MIN) return false;
  const long rows = std::labs(height);
  if (compression == 1 || compression == 2)
    return rleStreamIsComplete(file, pixelsAt, compression == 1 ? 8 : 4, rows);
  if (compression != 0 && compression != 3) return true;  // embedded JPEG/PNG: their decoder checks
  const unsigned long long stride = (static_cast<unsigned long long>(width) * bits + 31) / 32 * 4;
  return stride * rows <= file.size - pixelsAt;
}

namespace {

// Skips a chain of GIF data sub-blocks; 0 when the chain runs past the end.
std::size_t skipSubBlocks(const PictureBytes& file, std::size_t at) {
  while (file.has(at, 1)) {
    const std::uint8_t length = file.u8(at);
    if (length == 0) return at + 1;
    at += 1 + length;
  }
  return 0;
}

std::size_t colourTableBytes(std::uint8_t flags) { return flags & 0x80 ? 3u << ((flags & 7) + 1) : 0; }

}  // namespace

bool gifIsComplete(const PictureBytes& file) {
  if (!file.has(0, 13) || file.u8(0) != 'G' || file.u8(1) != 'I' || file.u8(2) != 'F') return false;
  std::size_t at = 13 + colourTableBytes(file.u8(10));
  // Whole when the first image's data is all there; later frames are never shown.
  while (file.has(at, 1)) {
    const std::uint8_t block = file.u8(at);
    if (block == 0x21) {
      if (!file.has(at, 2) || (at = skipSubBlocks(file, at + 2)) == 0) return false;
    } else if (block == 0x2C) {
      if (!file.has(at, 11)) return false;
      at += 10 + colourTableBytes(file.u8(at + 9)) + 1;  // descriptor, colour table, LZW code size
      return skipSubBlocks(file, at) != 0;
    } else {
      return false;
    }
  }
  return false;
}

bool icoIsComplete(const PictureBytes& file) {
  if (!file.has(0, 6) || file.u16(0) != 0 || file.u16(2) != 1) return false;
  const unsigned count = file.u16(4);
  if (count == 0 || !file.has(6, 16u * count)) return false;
  for (unsigned i = 0; i < count; ++i) {
    const std::size_t entry = 6 + 16u * i;
    if (!file.has(file.u32(entry + 12), file.u32(entry + 8))) return false;
  }
  return true;
}

bool pngIsComplete(const PictureBytes& file) {
  static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (!file.has(0, 8) || !std::equal(kSignature, kSignature + 8, file.data)) return false;
  // Chunks (big-endian length, type, data, checksum) up to the closing IEND.
  for (std::size_t at = 8; file.has(at, 12);) {
    const std::size_t length = std::size_t(file.u8(at)) << 24 | file.u8(at + 1) << 16 | file.u8(at + 2) << 8 |
                               file.u8(at + 3);
    if (!file.has(at + 12, length)) return false;
    if (std::equal(file.data + at + 4, file.data + at + 8, "IEND")) return true;
    at += 12 + length;
  }
  return false;
}

int largestIcoImage(const PictureBytes& file) {
  if (!icoIsComplete(file)) return 0;
  int best = 0;
  long bestArea = -1;
  for (unsigned i = 0; i < file.u16(4); ++i) {
    const std::size_t entry = 6 + 16u * i;
    // A stored 0 means 256.
    const long width = file.u8(entry) ? file.u8(entry) : 256, height = file.u8(entry + 1) ? file.u8(entry + 1) : 256;
    if (width * height > bestArea) best = static_cast<int>(i), bestArea = width * height;
  }
  return best;
}

}  // namespace pictavo
