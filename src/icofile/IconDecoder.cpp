#include "icofile/IconDecoder.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "icofile/BmpImage.h"
#include "icofile/FileHandle.h"
#include "icofile/IcoFormat.h"
#include "icofile/Resampling.h"
#include "tools/PointerInput.h"

namespace pictavo {
namespace {

using ImageBytes = std::array<std::uint8_t, kLargestImageBytes>;

void blank(IcoState& ico) {
  ico.tempColors.fill(kWhite);
  ico.tempTransparent.fill(1);
}

}  // namespace

DecodeStatus decodeIconImage(const std::uint8_t* data, std::size_t size, IcoState& ico) {
  const std::optional<BmpLayout> layout = scannedIconLayout(data, size);
  if (!layout) {
    blank(ico);
    return DecodeStatus::NotDecodable;
  }
  resampleIntoTempIcon(decodeBmpIcon(data, size, *layout), ico);
  return DecodeStatus::Decoded;
}

namespace {

// A listed index whose record and offset could have come from a scan.
bool isFound(const IcoState& ico, int k) {
  if (k < 0 || k >= ico.iconCount || k >= kMaxFoundIcons) return false;
  const std::size_t n = std::size_t(k);
  return ico.iconRecord[n] >= 1 && ico.iconOffset[n] >= 0 && ico.iconOffset[n] < kScanRecordSize;
}

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
  std::clearerr(file);  // an earlier failed read must not condemn this image
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
  const std::size_t start = static_cast<std::size_t>(std::min<std::uint64_t>(std::uint64_t(position), size));
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
    state.ico.originPath = state.ico.openPath;
    state.ico.originOffset = positionOf(state.ico, k);
  }
  return outcome;
}

}  // namespace pictavo
