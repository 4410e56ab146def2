#include "cli/ImageOutput.h"

#include <algorithm>
#include <cctype>

#include "cli/CliSupport.h"
#include "icofile/SaveAsDepth.h"
#include "picture/io/PngOutput.h"

namespace pictavo::cli {

bool isPngName(const std::string& path) {
  const std::string suffix = ".png";
  return path.size() > suffix.size() &&
         std::equal(suffix.rbegin(), suffix.rend(), path.rbegin(),
                    [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

void savePngOrFail(ProgramState& state, const std::string& out, int depth) {
  ConsoleMessageBoxes warnings;
  prepareSaveAsDepth(state, depth, warnings);  // warnings are printed and accepted
  const std::string failure = writePng(canvasImage(state.canvas), out);
  if (!failure.empty()) throw CliError(kBadInput, failure);
}

}  // namespace pictavo::cli
