#pragma once
#include "app/ProgramState.h"
#include "cli/CliSupport.h"

namespace pictavo::cli {

// Each returns the exit status; failures are thrown as CliError.
int runScan(ArgCursor& args);
int runImages(ArgCursor& args);
int runDump(ArgCursor& args);
int runCount(ArgCursor& args);
int runExtract(ArgCursor& args);
int runEdit(ArgCursor& args);
int runConvert(ArgCursor& args);
int runThumbnail(ArgCursor& args);

// Where the result of edit and convert goes.
struct OutputChoice {
  std::string path;  // -o
  int depth = 24;    // --depth
  bool dump = false;
  bool keepImages = false;  // --keep-images: OUT keeps its other images

  // Consumes -o, --depth, --dump or --keep-images; false when `option` is none of them.
  bool take(const std::string& option, ArgCursor& args);
  void checkComplete() const;
  int deliver(ProgramState& state) const;
};

}  // namespace pictavo::cli
