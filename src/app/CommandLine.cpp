#include "app/CommandLine.h"

#ifndef PICTAVO_VERSION
#error "PICTAVO_VERSION comes from the project version in CMakeLists.txt"
#endif

namespace pictavo {
namespace {

// The usage, then the summary of the manual page pictavo(1).
const char* const kEditorHelp = R"(usage: pictavo [FILE]
       pictavo --help | -h | --version

pictavo - editor for 32 x 32 Windows icons

Opens a window for drawing and editing one 32 x 32 Windows icon at a time.
It reads the icons of .ico, .exe and .dll files, makes icons from pictures
(JPEG, BMP, GIF, ICO, RLE, EMF, WMF or PNG) and saves icons at 16, 256 or
24-bit colour. The whole command line is taken as the name of one icon file
to open at start, so a name with spaces needs no quotes; only a command line
that is exactly --help, -h or --version is an option.

  --help, -h   print this help and exit
  --version    print the version and exit

See pictavo(1), and pictavo-cli(1) for the same operations in batch.
)";

}  // namespace

std::string versionLine() { return "pictavo " PICTAVO_VERSION; }

std::string commandLineOf(int argc, const char* const* argv) {
  std::string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line += ' ';
    line += argv[i];
  }
  return line;
}

std::optional<std::string> editorOptionReply(const std::string& commandLine) {
  if (commandLine == "--help" || commandLine == "-h") return std::string(kEditorHelp);
  if (commandLine == "--version") return versionLine() + "\n";
  return std::nullopt;
}

}  // namespace pictavo
