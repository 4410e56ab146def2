// The read-only commands: scan, images, dump and count.
#include <iostream>

#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/IconInput.h"
#include "icofile/FileHandle.h"
#include "icofile/IconDecoder.h"
#include "icofile/IcoFormat.h"
#include "tools/Commands.h"

namespace pictavo::cli {
namespace {

IconChoice parseChoice(ArgCursor& args) {
  IconChoice choice;
  choice.file = args.next();
  while (!args.done()) {
    const std::string option = args.next();
    if (!takeIconChoice(option, args, choice)) throw CliError(kUsageError, "unknown option: " + option);
  }
  return choice;
}

const char* kindName(ImageKind kind) { return kind == ImageKind::Png ? "png" : "bmp"; }

}  // namespace

int runScan(ArgCursor& args) {
  const std::string file = args.next();
  if (!args.done()) throw CliError(kUsageError, "unexpected argument: " + args.peek());
  ProgramState state;
  const ScanOutcome scan = scanOrFail(state, file);
  RegularFileOpening opening;
  const FileHandle in = openForReading(file, &opening);
  if (!in) throw CliError(kBadInput, whyNotOpened(file, opening));
  for (int i = 0; i < state.ico.iconCount; ++i) {
    const std::int64_t fileOffset = headerPosition(state.ico, i);
    std::cout << i << ' ' << state.ico.iconRecord[std::size_t(i)] << ' '
              << state.ico.iconOffset[std::size_t(i)] << ' ' << fileOffset << ' '
              << bitCountAt(in.get(), fileOffset) << '\n';
  }
  std::cout << "found " << state.ico.iconCount << '\n';
  if (scan.status == ScanStatus::ListFull) std::cerr << "pictavo-cli: " << scan.message << '\n';
  return kOk;
}

int runImages(ArgCursor& args) {
  const std::string file = args.next();
  if (!args.done()) throw CliError(kUsageError, "unexpected argument: " + args.peek());
  const ImageList list = listOrFail(file);
  for (std::size_t i = 0; i < list.images.size(); ++i) {
    const IconImage& image = list.images[i];
    std::cout << i << ' ' << image.width << 'x' << image.height << ' ' << image.bitCount << ' '
              << kindName(image.kind) << ' ' << image.offset << '\n';
  }
  std::cout << "found " << list.images.size() << '\n';
  if (list.images.empty()) {
    std::cerr << "pictavo-cli: " << (list.message.empty() ? "no icon images in " + file : list.message) << '\n';
    return kNothingFound;
  }
  return kOk;
}

int runDump(ArgCursor& args) {
  const IconChoice choice = parseChoice(args);
  ProgramState state;
  loadChoiceOrFail(state, choice, true);
  printCanvas(state.canvas, std::cout);
  return kOk;
}

int runCount(ArgCursor& args) {
  const IconChoice choice = parseChoice(args);
  ProgramState state;
  loadChoiceOrFail(state, choice, false);
  std::cout << countColors(state) << '\n';
  return kOk;
}

}  // namespace pictavo::cli
