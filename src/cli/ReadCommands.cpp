// The read-only commands: scan, dump and count.
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

struct IconSource {
  std::string file;
  int index = 0;
};

IconSource parseSource(ArgCursor& args) {
  IconSource source;
  source.file = args.next();
  while (!args.done()) {
    const std::string option = args.next();
    if (option == "--index")
      source.index = parseInt(args.valueOf(option), "index");
    else
      throw CliError(kUsageError, "unknown option: " + option);
  }
  return source;
}

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

int runDump(ArgCursor& args) {
  const IconSource source = parseSource(args);
  ProgramState state;
  loadIconOrFail(state, source.file, source.index);
  printCanvas(state.canvas, std::cout);
  return kOk;
}

int runCount(ArgCursor& args) {
  const IconSource source = parseSource(args);
  ProgramState state;
  loadIconOrFail(state, source.file, source.index);
  std::cout << countColors(state) << '\n';
  return kOk;
}

}  // namespace pictavo::cli
