#include "cli/IconInput.h"

#include <algorithm>
#include <iostream>

#include "cli/CliSupport.h"
#include "icofile/IcoFormat.h"
#include "icofile/IconDecoder.h"
#include "icofile/IconImageLoading.h"
#include "icofile/IconSaving.h"
#include "icofile/IconScanner.h"
#include "icofile/MultiIconSave.h"
#include "icofile/SaveAsDepth.h"
#include "picture/io/PngIconDecoder.h"

namespace pictavo::cli {

ScanOutcome scanOrFail(ProgramState& state, const std::string& file) {
  state.ico.openPath = file;
  const ScanOutcome scan = scanIcons(state.ico);
  if (scan.status == ScanStatus::Unreadable) throw CliError(kBadInput, scan.message);
  if (state.ico.iconCount == 0)
    throw CliError(kNothingFound, "no 32 x 32 icons found in " + file);
  return scan;
}

std::int64_t headerPosition(const IcoState& ico, int k) {
  return (std::int64_t(ico.iconRecord[std::size_t(k)]) - 1) * kScanRecordSize + ico.iconOffset[std::size_t(k)];
}

int bitCountAt(std::FILE* in, std::int64_t headerOffset) {
  unsigned char bytes[2] = {0, 0};
  if (std::fseek(in, static_cast<long>(headerOffset + 14), SEEK_SET) != 0) return 0;
  const std::size_t got = std::fread(bytes, 1, 2, in);
  if (got < 1) return 0;
  return bytes[0] | (got > 1 ? bytes[1] << 8 : 0);
}

namespace {

// Found icon `index` of the last scan onto the canvas.
void putFoundIconOrFail(ProgramState& state, const std::string& file, int index) {
  if (index < 0 || index >= state.ico.iconCount)
    throw CliError(kNothingFound, file + " has no icon " + std::to_string(index) + " (found " +
                                      std::to_string(state.ico.iconCount) + ")");
  const DecodeOutcome decoded = loadIconOntoCanvas(state, index);
  if (decoded.status == DecodeStatus::Unreadable) throw CliError(kBadInput, decoded.message);
  if (decoded.status == DecodeStatus::NotDecodable) throw CliError(kNothingFound, decoded.message);
}

}  // namespace

void loadIconOrFail(ProgramState& state, const std::string& file, int index) {
  scanOrFail(state, file);
  putFoundIconOrFail(state, file, index);
}

ImageList listOrFail(const std::string& file) {
  ImageList list = listIconImages(file);
  if (list.status == ImageListStatus::Unreadable || list.status == ImageListStatus::Damaged)
    throw CliError(kBadInput, list.message);
  return list;
}

void loadImageOrFail(ProgramState& state, const std::string& file, int image) {
  const ImageList list = listOrFail(file);
  if (image < 0 || std::size_t(image) >= list.images.size())
    throw CliError(kNothingFound, file + " has no image " + std::to_string(image) + " (found " +
                                      std::to_string(list.images.size()) + ")");
  const DecodeOutcome decoded =
      loadImageOntoCanvas(state, file, list.images[std::size_t(image)], decodePngIconImage);
  if (decoded.status == DecodeStatus::Unreadable) throw CliError(kBadInput, decoded.message);
  if (!decoded) throw CliError(kNothingFound, decoded.message);
}

bool takeIconChoice(const std::string& option, ArgCursor& args, IconChoice& choice) {
  if (option != "--index" && option != "--image") return false;
  const int n = parseInt(args.valueOf(option), option.substr(2));
  (option == "--index" ? choice.index : choice.image) = n;
  if (choice.index && choice.image) throw CliError(kUsageError, "give --index or --image, not both");
  return true;
}

bool loadBestImage(ProgramState& state, const std::string& file) {
  const ImageList list = listOrFail(file);
  std::vector<IconImage> left = list.images;
  // The best that decodes: a damaged best image gives way to the next best.
  for (int best = bestImage(left); best >= 0; left.erase(left.begin() + best), best = bestImage(left)) {
    const IconImage& image = left[std::size_t(best)];
    const DecodeOutcome decoded = loadImageOntoCanvas(state, file, image, decodePngIconImage);
    if (decoded.status == DecodeStatus::Unreadable) throw CliError(kBadInput, decoded.message);
    if (!decoded) continue;
    const auto listed = std::find_if(list.images.begin(), list.images.end(),
                                     [&image](const IconImage& i) { return i.offset == image.offset; });
    std::cerr << "pictavo-cli: no usable 32 x 32 icon in " << file << "; using its " << image.width << " x "
              << image.height << " image " << (listed - list.images.begin()) << ", resampled\n";
    return true;
  }
  return false;
}

void loadChoiceOrFail(ProgramState& state, const IconChoice& choice, bool fallBack) {
  if (choice.image) return loadImageOrFail(state, choice.file, *choice.image);
  if (!fallBack || choice.index) return loadIconOrFail(state, choice.file, choice.index.value_or(0));
  state.ico.openPath = choice.file;
  const ScanOutcome scan = scanIcons(state.ico);
  if (scan.status == ScanStatus::Unreadable) throw CliError(kBadInput, scan.message);
  if (state.ico.iconCount > 0) return putFoundIconOrFail(state, choice.file, 0);
  if (!loadBestImage(state, choice.file)) throw CliError(kNothingFound, "no icons found in " + choice.file);
}

void saveOrFail(ProgramState& state, const std::string& out, int depth, Durability durability) {
  ConsoleMessageBoxes warnings;
  prepareSaveAsDepth(state, depth, warnings);  // warnings are printed and accepted
  const IcoResult written = saveIcon(state, out, depth, durability);
  if (!written) throw CliError(kBadInput, written.message);
}

void saveKeepingImagesOrFail(ProgramState& state, const std::string& out, int depth) {
  ConsoleMessageBoxes warnings;
  prepareSaveAsDepth(state, depth, warnings);
  const MultiIconSave saved = saveIconKeepingImages(state, out, depth);
  if (!saved.result) throw CliError(kBadInput, saved.result.message);
  if (!saved.note.empty()) std::cerr << "pictavo-cli: " << saved.note << '\n';
}

}  // namespace pictavo::cli
