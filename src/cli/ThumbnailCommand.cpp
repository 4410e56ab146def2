// `thumbnail`: the best 32 x 32 icon of an .ico, .exe or .dll as a PNG, for
// file managers (see data/pictavo.thumbnailer); a file without one shows its
// best image of another size.
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "cli/CliCommands.h"
#include "cli/IconInput.h"
#include "icofile/FileHandle.h"
#include "icofile/IcoFormat.h"
#include "icofile/IconDecoder.h"
#include "picture/io/PngOutput.h"

namespace pictavo::cli {
namespace {

constexpr int kLargestThumbnail = 1024;

// Bytes from the image header to the end of the mask, 0 for a bit count not decoded.
std::int64_t imageBytes(int bits) {
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return 0;
  const int palette = bits <= 8 ? 4 << bits : 0;
  return kImageHeaderSize + palette + kCellCount * bits / 8 + kMaskBytes;
}

struct Candidate {
  int index;
  int bits;
};

// Found icons whose whole image lies inside the file, deepest first, file order on ties.
std::vector<Candidate> completeIcons(const IcoState& ico) {
  RegularFileOpening opening;
  const FileHandle in = openForReading(ico.openPath, &opening);
  if (!in) throw CliError(kBadInput, whyNotOpened(ico.openPath, opening));
  struct stat st {};
  if (::fstat(::fileno(in.get()), &st) != 0)
    throw CliError(kBadInput, describeFileError("Could not read", ico.openPath, errno));
  const std::int64_t length = st.st_size;
  std::vector<Candidate> found;
  for (int k = 0; k < ico.iconCount; ++k) {
    const std::int64_t at = headerPosition(ico, k);
    const int bits = bitCountAt(in.get(), at);
    // A cut-off image would decode with made-up zeros.
    if (imageBytes(bits) > 0 && at + imageBytes(bits) <= length) found.push_back({k, bits});
  }
  std::stable_sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) { return a.bits > b.bits; });
  return found;
}

}  // namespace

namespace {

// The deepest complete 32 x 32 icon onto the canvas; false when none decodes.
bool loadDeepestIcon(ProgramState& state) {
  for (const Candidate& c : completeIcons(state.ico)) {
    const DecodeOutcome decoded = loadIconOntoCanvas(state, c.index);
    if (decoded.status == DecodeStatus::Unreadable) throw CliError(kBadInput, decoded.message);
    if (decoded) return true;
  }
  return false;
}

}  // namespace

int runThumbnail(ArgCursor& args) {
  IconChoice choice;
  choice.file = args.next();
  const std::string out = args.next();
  int size = kGridSize;
  if (!args.done() && args.peek().rfind("--", 0) != 0) size = parseInt(args.next(), "size");
  while (!args.done()) {
    const std::string option = args.next();
    if (!takeIconChoice(option, args, choice)) throw CliError(kUsageError, "unexpected argument: " + option);
  }
  if (size < 1 || size > kLargestThumbnail)
    throw CliError(kUsageError, "size must be 1 to " + std::to_string(kLargestThumbnail));

  ProgramState state;
  if (choice.index || choice.image) {
    loadChoiceOrFail(state, choice, false);
  } else {
    state.ico.openPath = choice.file;
    const ScanOutcome scan = scanIcons(state.ico);
    if (scan.status == ScanStatus::Unreadable) throw CliError(kBadInput, scan.message);
    // Files without a usable 32 x 32 icon show their best image of another size.
    if (!loadDeepestIcon(state) && !loadBestImage(state, choice.file))
      throw CliError(kNothingFound, "no complete icon in " + choice.file);
  }
  const std::string failure = writePng(thumbnailImage(canvasImage(state.canvas), size), out);
  if (!failure.empty()) throw CliError(kBadInput, failure);
  return kOk;
}

}  // namespace pictavo::cli
