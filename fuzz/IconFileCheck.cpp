// Scan and decode every image found (what Open does to any file); the full
// target also counts its colours, writes it at each depth and reads it back.
#include <cstring>

#include "FuzzTargets.h"
#include "icofile/ColourReduction.h"
#include "icofile/IcoFormat.h"
#include "icofile/IcoWriter.h"
#include "icofile/IconDecoder.h"
#include "icofile/IconSaving.h"
#include "icofile/IconScanner.h"
#include "tools/Commands.h"

namespace pictavo::fuzz {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct AcceptEverything : MessageBoxes {
  Answer show(const std::string&, const std::string&, Buttons, MessageIcon) override { return Answer::Ok; }
};

std::string where(int k, const char* what) { return "icon " + std::to_string(k) + ": " + what; }

std::string checkFound(const IcoState& ico, int k, const std::uint8_t* data, std::size_t size) {
  const std::int64_t position = std::int64_t(ico.iconRecord[k] - 1) * kScanRecordSize + ico.iconOffset[k];
  if (ico.iconOffset[k] < 0 || ico.iconOffset[k] >= kScanRecordSize) return where(k, "offset out of its record");
  if (position < 0 || std::uint64_t(position) + kIconSignature.size() > size) return where(k, "header past the end");
  if (std::memcmp(data + position, kIconSignature.data(), kIconSignature.size()) != 0)
    return where(k, "found where there is no header");
  if (k > 0 && position <= std::int64_t(ico.iconRecord[k - 1] - 1) * kScanRecordSize + ico.iconOffset[k - 1])
    return where(k, "not in file order");
  return "";
}

std::string checkBlank(const IcoState& ico) {
  for (int i = 0; i < kCellCount; ++i)
    if (ico.tempTransparent[i] == 1 ? ico.tempColors[i] != kWhite : ico.tempTransparent[i] != 0)
      return "transparent cell not white, or a flag other than 0 and 1";
  return "";
}

// A written file's first header is at byte 22 (its pixels may spell more) and
// decodes to `expected` colours wherever the canvas is opaque, with the
// canvas's transparency.
std::string readBack(const Bytes& file, std::size_t size, const Canvas& canvas,
                     const std::array<Colour, kCellCount>& expected, const char* depth) {
  const std::string what = std::string(depth) + ": ";
  if (file.size() != size) return what + "wrong file size";
  IcoState back;
  scanIconsInMemory(back, file.data(), file.size());
  if (back.iconCount < 1 || back.iconRecord[0] != 1 || back.iconOffset[0] != kDirectorySize)
    return what + "no header at byte 22";
  if (!loadTempIcoFromMemory(back, 0, file.data(), file.size())) return what + "written file not decodable";
  for (int i = 0; i < kCellCount; ++i) {
    const Cell& cell = canvas.cells()[i];
    if (back.tempTransparent[i] != cell.transparent) return what + "transparency changed at cell " + std::to_string(i + 1);
    if (cell.transparent == 0 && back.tempColors[i] != expected[i])
      return what + "colour changed at cell " + std::to_string(i + 1);
  }
  return checkBlank(back);
}

std::string roundTrips(ProgramState& state) {
  const Canvas& canvas = state.canvas;
  std::array<Colour, kCellCount> exact{};
  for (int i = 0; i < kCellCount; ++i) exact[i] = canvas.cells()[i].colour;
  // 24 bits hold every colour: the round trip must be exact.
  std::string problem = readBack(encodeIcon24(canvas), kIcon24FileSize, canvas, exact, "24-bit");
  if (!problem.empty()) return problem;

  AcceptEverything boxes;
  const int colours = countColors(state);
  if (colours < 1 || colours > kCellCount) return "colour count out of range";
  if (!setIconType(state, 16, boxes).accepted) return "16 colours refused";
  problem = readBack(encodeIcon16(state.ico, canvas), kIcon16FileSize, canvas, state.ico.colors16, "16-colour");
  if (!problem.empty()) return problem;
  if (!setIconType(state, 256, boxes).accepted) return "256 colours refused";
  if (recountColors(state.ico) > 256) return "more than 256 colours prepared";
  return readBack(encodeIcon256(state.ico, canvas), kIcon256FileSize, canvas, state.ico.colors256, "256-colour");
}

// Without `writeBack` (the reading target, kept fast) only an IcoState is
// built, and only the first two and the last icon found are decoded: the
// fuzzer's inputs pack several headers each, and the ones between decode
// like the first; every position is still checked.
std::string checkScannedIcons(const std::uint8_t* data, std::size_t size, ProgramState* writeBack) {
  IcoState readOnly;
  IcoState& ico = writeBack ? writeBack->ico : readOnly;
  std::int64_t records = 0;
  const ScanOutcome scan = scanIconsInMemory(ico, data, size, [&records](double) { return ++records, true; });
  if (scan.status != ScanStatus::Completed && scan.status != ScanStatus::ListFull) return "scan failed";
  if (scan.status == ScanStatus::Completed && records != std::int64_t((size + kScanRecordSize - 1) / kScanRecordSize))
    return "progress not once per record";
  if (ico.iconCount < 0 || ico.iconCount > kMaxFoundIcons) return "found-icons list overrun";
  for (int k = 0; k < ico.iconCount; ++k) {
    std::string problem = checkFound(ico, k, data, size);
    if (!problem.empty()) return problem;
    if (!writeBack && k >= 2 && k < ico.iconCount - 1) continue;
    const bool decoded = bool(loadTempIcoFromMemory(ico, k, data, size));
    problem = checkBlank(ico);
    if (!problem.empty()) return where(k, problem.c_str());
    if (!decoded || !writeBack) continue;
    moveTempIco2Pixel(ico, writeBack->canvas);
    problem = roundTrips(*writeBack);
    if (!problem.empty()) return where(k, problem.c_str());
  }
  return "";
}

}  // namespace

std::string checkIconRead(const std::uint8_t* data, std::size_t size) { return checkScannedIcons(data, size, nullptr); }
std::string checkIconFile(const std::uint8_t* data, std::size_t size) {
  ProgramState state;
  return checkScannedIcons(data, size, &state);
}

}  // namespace pictavo::fuzz
