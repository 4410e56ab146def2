// `extract`: every decodable icon of a file saved as an icon file of its own.
#include <filesystem>
#include <iostream>
#include <optional>

#include "cli/CliCommands.h"
#include "cli/IconInput.h"
#include "canvas/Preview.h"
#include "icofile/FileHandle.h"
#include "icofile/IcoResult.h"
#include "icofile/IconDecoder.h"
#include "platform/AtomicFile.h"

namespace pictavo::cli {

int runExtract(ArgCursor& args) {
  const std::string file = args.next();
  std::string outDir;
  int depth = 24;
  while (!args.done()) {
    const std::string option = args.next();
    if (option == "-o")
      outDir = args.valueOf(option);
    else if (option == "--depth")
      depth = parseDepth(args.valueOf(option));
    else
      throw CliError(kUsageError, "unknown option: " + option);
  }
  if (outDir.empty()) throw CliError(kUsageError, "extract needs -o DIR");

  ProgramState state;
  scanOrFail(state, file);
  RegularFileOpening opening;
  const FileHandle in = openForReading(file, &opening);
  if (!in) throw CliError(kBadInput, whyNotOpened(file, opening));
  std::error_code ec;
  std::filesystem::create_directories(outDir, ec);
  const std::string stem = std::filesystem::path(file).filename().string();
  int written = 0;
  // The first save that fails ends the batch, after the files before it are made durable.
  std::optional<CliError> failed;
  // One editor serves every icon: loading one replaces the whole canvas, and
  // saving prepares the save tables afresh, so nothing carries over.
  for (int i = 0; i < state.ico.iconCount && !failed; ++i) {
    const DecodeOutcome decoded = loadTempIcoFrom(state.ico, i, in.get());
    if (!decoded) {
      std::cerr << "icon " << i << ": " << decoded.message << '\n';
      continue;
    }
    moveTempIco2Pixel(state.ico, state.canvas);
    layIcon(state.canvas, state.preview);
    const auto out = std::filesystem::path(outDir) / (stem + "-" + std::to_string(i) + ".ico");
    // Each file still replaces its name atomically; the disk is flushed once for all.
    try {
      saveOrFail(state, out.string(), depth, Durability::Batched);
      ++written;
    } catch (const CliError& e) {
      failed = e;
    }
  }
  if (written > 0) {
    if (const int err = flushFileSystemOf(outDir))
      throw CliError(kBadInput, describeFileError("Could not save", outDir, err));
  }
  std::cout << "extracted " << written << " of " << state.ico.iconCount << '\n';
  if (failed) throw *failed;
  return written > 0 ? kOk : kNothingFound;
}

}  // namespace pictavo::cli
