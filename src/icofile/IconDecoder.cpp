#include "icofile/IconDecoder.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "icofile/FileHandle.h"
#include "icofile/IcoFormat.h"
#include "tools/PointerInput.h"

namespace pictavo {
namespace {

// The image as read: header, palette, bitmap and mask; missing bytes are zero.
using ImageBytes = std::array<std::uint8_t, kLargestImageBytes>;

Colour paletteEntry(const ImageBytes& b, int at) {
  return b[at] * 65536 + b[at + 1] * 256 + b[at + 2];  // blue, green, red, unused
}

void blank(IcoState& ico) {
  ico.tempColors.fill(kWhite);
  ico.tempTransparent.fill(1);
}

// Rows are stored bottom row first; `pixel` gives the colour of pixel x of a row.
template <typename PixelOf>
int readRows(IcoState& ico, int at, int rowBytes, PixelOf pixel) {
  for (int y = kGridSize - 1; y >= 0; --y, at += rowBytes)
    for (int x = 0; x < kGridSize; ++x) ico.tempColors[y * kGridSize + x] = pixel(at, x);
  return at;
}

int readIndexed(IcoState& ico, const ImageBytes& b, int bits) {
  const int entries = 1 << bits;
  std::array<Colour, 256> palette{};
  for (int j = 0; j < entries; ++j) palette[j] = paletteEntry(b, kImageHeaderSize + 4 * j);
  const int perByte = 8 / bits;
  const int mask = entries - 1;
  return readRows(ico, kImageHeaderSize + 4 * entries, kGridSize / perByte, [&](int at, int x) {
    int byte = b[at + x / perByte];
    int shift = 8 - bits * (x % perByte + 1);  // leftmost pixel in the high bits
    return palette[(byte >> shift) & mask];
  });
}

void readMask(IcoState& ico, const ImageBytes& b, int at) {
  for (int y = kGridSize - 1; y >= 0; --y, at += 4)
    for (int x = 0; x < kGridSize; ++x)
      ico.tempTransparent[y * kGridSize + x] = (b[at + x / 8] >> (7 - x % 8)) & 1;
}

// Blue, green, red, alpha; alpha counts only when some pixel uses it.
void readAlpha(IcoState& ico, const ImageBytes& b) {
  bool usesAlpha = false;
  for (int i = 0; i < kCellCount && !usesAlpha; ++i) usesAlpha = b[kImageHeaderSize + 4 * i + 3] != 0;
  if (!usesAlpha) return;
  int at = kImageHeaderSize;
  for (int y = kGridSize - 1; y >= 0; --y)
    for (int x = 0; x < kGridSize; ++x, at += 4)
      if (b[at + 3] < 128) ico.tempTransparent[y * kGridSize + x] = 1;
}

void whitenTransparent(IcoState& ico) {
  for (int i = 0; i < kCellCount; ++i)
    if (ico.tempTransparent[i] == 1) ico.tempColors[i] = kWhite;
}

}  // namespace

DecodeStatus decodeIconImage(const std::uint8_t* data, std::size_t size, IcoState& ico) {
  ImageBytes b{};
  if (size > 0) std::memcpy(b.data(), data, std::min(size, b.size()));
  const int bits = b[14];
  if (b[0] != kImageHeaderSize || !(bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32)) {
    blank(ico);
    return DecodeStatus::NotDecodable;
  }
  int maskAt = 0;
  if (bits <= 8) {
    maskAt = readIndexed(ico, b, bits);
  } else {
    const int bytes = bits / 8;
    maskAt = readRows(ico, kImageHeaderSize, kGridSize * bytes, [&](int at, int x) {
      return paletteEntry(b, at + bytes * x);
    });
  }
  readMask(ico, b, maskAt);
  if (bits == 32) readAlpha(ico, b);
  whitenTransparent(ico);
  return DecodeStatus::Decoded;
}

namespace {

bool isFound(const IcoState& ico, int k) { return k >= 0 && k < ico.iconCount; }

DecodeOutcome noSuchIcon(IcoState& ico, int k, const std::string& source) {
  blank(ico);
  return {DecodeStatus::NotDecodable, "There is no icon " + std::to_string(k) + " in " + source};
}

// Where the header of found icon k starts, as a byte offset.
std::int64_t positionOf(const IcoState& ico, int k) {
  return (static_cast<std::int64_t>(ico.iconRecord[k]) - 1) * kScanRecordSize + ico.iconOffset[k];
}

// Both readers end here: the image's bytes from its header on, as many as there are.
DecodeOutcome decodeFound(IcoState& ico, const std::uint8_t* data, std::size_t size,
                          std::int64_t position, const std::string& source) {
  if (decodeIconImage(data, size, ico) != DecodeStatus::Decoded)
    return {DecodeStatus::NotDecodable,
            "The icon at byte " + std::to_string(position) + " of " + source + " cannot be read"};
  return {};
}

}  // namespace

DecodeOutcome loadTempIco(IcoState& ico, int k) {
  const std::string& path = ico.openPath;
  if (!isFound(ico, k)) return noSuchIcon(ico, k, path);
  RegularFileOpening opening;
  FileHandle file = openForReading(path, &opening);
  if (!file) {
    blank(ico);
    return {DecodeStatus::Unreadable, whyNotOpened(path, opening)};
  }
  return loadTempIcoFrom(ico, k, file.get());
}

DecodeOutcome loadTempIcoFrom(IcoState& ico, int k, std::FILE* file) {
  const std::string& path = ico.openPath;
  if (!isFound(ico, k)) return noSuchIcon(ico, k, path);
  const std::int64_t position = positionOf(ico, k);
  ImageBytes bytes{};
  std::size_t got = 0;
  if (std::fseek(file, static_cast<long>(position), SEEK_SET) != 0 ||
      ((got = std::fread(bytes.data(), 1, bytes.size(), file)) < bytes.size() && std::ferror(file))) {
    const int err = errno;
    blank(ico);
    return {DecodeStatus::Unreadable, describeFileError("Could not read", path, err)};
  }
  return decodeFound(ico, bytes.data(), got, position, path);
}

DecodeOutcome loadTempIcoFromMemory(IcoState& ico, int k, const std::uint8_t* data, std::size_t size) {
  const std::string source = "the data in memory";
  if (!isFound(ico, k)) return noSuchIcon(ico, k, source);
  const std::int64_t position = positionOf(ico, k);
  const std::size_t start = static_cast<std::size_t>(std::min<std::int64_t>(position, std::int64_t(size)));
  return decodeFound(ico, data + start, size - start, position, source);
}

void moveTempIco2Pixel(const IcoState& ico, Canvas& canvas) {
  for (int i = 0; i < kCellCount; ++i) {
    Cell& c = canvas.cells()[i];
    c.colour = ico.tempColors[i];
    c.transparent = ico.tempTransparent[i];
  }
}

DecodeOutcome loadIconOntoCanvas(ProgramState& state, int k) {
  endDrag(state);
  DecodeOutcome outcome = loadTempIco(state.ico, k);
  if (outcome) {
    moveTempIco2Pixel(state.ico, state.canvas);
    layIcon(state.canvas, state.preview);
  }
  return outcome;
}

}  // namespace pictavo
