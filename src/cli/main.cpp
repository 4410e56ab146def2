// pictavo-cli: the editor's model operations in batch, for scripts and tests.
#include <iostream>

#include "app/CommandLine.h"
#include "cli/CliCommands.h"
#include "platform/AtomicFile.h"

namespace {

const char* const kUsage = R"(usage:
  pictavo-cli scan FILE
  pictavo-cli dump FILE [--index N]
  pictavo-cli count FILE [--index N]
  pictavo-cli edit [FILE [--index N]] OPERATIONS... (-o OUT [--depth 16|256|24] | --dump)
  pictavo-cli convert PICTURE [--select X,Y,W,H] [--depth D] (-o OUT | --dump)
  pictavo-cli extract FILE -o DIR [--depth D]
  pictavo-cli thumbnail FILE OUT.png [SIZE]
  pictavo-cli --help | -h | --version

scan     one line per 32 x 32 image header: INDEX RECORD OFFSET FILE_OFFSET BITS, then "found N"
dump     the decoded canvas: 32 lines of 32 cells, RRGGBB opaque, tRRGGBB transparent
count    the number of distinct colours of the icon
edit     operations, run in order on one editor:
           --color RRGGBB  --transparent-pen  --tool Pen|Line|Box|BoxFill|Circle|CircleFill|Fill|Pointer|Paste
           --press C,R  --move C,R  --release C,R  --drag C0,R0:C1,R1  --click C,R
           --flip-x  --flip-y  --rotate  --slide-up|-down|-left|-right
           --brighter  --darker  --more-contrast  --less-contrast  --bw
           --merge N  --undo  --redo  --backup  --restore  --new
convert  samples a picture (JPEG, BMP, GIF, ICO, RLE, EMF, WMF or PNG, known by its
         content) shown at natural size into the icon
extract  writes every decodable icon as DIR/<file name>-<index>.ico
thumbnail the deepest complete 32 x 32 icon of FILE (the first on ties) as a PNG of at most
          SIZE pixels (default 32): enlarged by whole steps, reduced smoothly below 32

OUT ending in .png writes the icon as a 32 x 32 PNG with alpha (after reducing to
--depth 16 or 256 colours when given) instead of an icon file.

exit status: 0 success, 1 usage error, 2 unreadable or invalid input, 3 nothing found
)";

int dispatch(const std::string& command, pictavo::cli::ArgCursor& args) {
  using namespace pictavo::cli;
  if (command == "scan") return runScan(args);
  if (command == "dump") return runDump(args);
  if (command == "count") return runCount(args);
  if (command == "edit") return runEdit(args);
  if (command == "convert") return runConvert(args);
  if (command == "extract") return runExtract(args);
  if (command == "thumbnail") return runThumbnail(args);
  throw CliError(kUsageError, "unknown command: " + command);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace pictavo::cli;
  pictavo::ignoreFileSizeLimitSignal();
  std::vector<std::string> words(argv + 1, argv + argc);
  if (words.empty()) {
    std::cerr << kUsage;
    return kUsageError;
  }
  if (words[0] == "--help" || words[0] == "-h") {
    std::cout << kUsage;
    return kOk;
  }
  if (words[0] == "--version") {
    std::cout << pictavo::versionLine() << '\n';
    return kOk;
  }
  const std::string command = words[0];
  ArgCursor args({words.begin() + 1, words.end()});
  try {
    return dispatch(command, args);
  } catch (const CliError& e) {
    std::cerr << "pictavo-cli: " << e.what() << '\n';
    if (e.code == kUsageError) std::cerr << kUsage;
    return e.code;
  } catch (const std::exception& e) {
    std::cerr << "pictavo-cli: " << e.what() << '\n';
    return kBadInput;
  }
}
