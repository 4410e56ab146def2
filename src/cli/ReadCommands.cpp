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

// The header's bit count, two bytes after the 14 that were matched; 0 past the end.
int bitCountAt(std::FILE* in, std::int64_t headerOffset) {
  unsigned char bytes[2] = {0, 0};
  if (std::fseek(in, static_cast<long>(headerOffset + 14), SEEK_SET) != 0) return 0;
  const std::size_t got = std::fread(bytes, 1, 2, in);
  if (got < 1) return 0;
  return bytes[0] | (got > 1 ? bytes[1] << 8 : 0);
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
    const std::int64_t record = state.ico.iconRecord[std::size_t(i)];
    const std::int64_t offset = state.ico.iconOffset[std::size_t(i)];
    const std::int64_t fileOffset = (record - 1) * kScanRecordSize + offset;
    std::cout << i << ' ' << record << ' ' << offset << ' ' << fileOffset << ' '
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
