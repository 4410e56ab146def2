#include "cli/IconInput.h"

#include "cli/CliSupport.h"
#include "icofile/IconDecoder.h"
#include "icofile/IconSaving.h"
#include "icofile/IconScanner.h"
#include "icofile/SaveAsDepth.h"

namespace pictavo::cli {

ScanOutcome scanOrFail(ProgramState& state, const std::string& file) {
  state.ico.openPath = file;
  const ScanOutcome scan = scanIcons(state.ico);
  if (scan.status == ScanStatus::Unreadable) throw CliError(kBadInput, scan.message);
  if (state.ico.iconCount == 0)
    throw CliError(kNothingFound, "no 32 x 32 icons found in " + file);
  return scan;
}

void loadIconOrFail(ProgramState& state, const std::string& file, int index) {
  scanOrFail(state, file);
  if (index < 0 || index >= state.ico.iconCount)
    throw CliError(kNothingFound, file + " has no icon " + std::to_string(index) + " (found " +
                                      std::to_string(state.ico.iconCount) + ")");
  const DecodeOutcome decoded = loadIconOntoCanvas(state, index);
  if (decoded.status == DecodeStatus::Unreadable) throw CliError(kBadInput, decoded.message);
  if (decoded.status == DecodeStatus::NotDecodable) throw CliError(kNothingFound, decoded.message);
}

void saveOrFail(ProgramState& state, const std::string& out, int depth, Durability durability) {
  ConsoleMessageBoxes warnings;
  prepareSaveAsDepth(state, depth, warnings);  // warnings are printed and accepted
  const IcoResult written = saveIcon(state, out, depth, durability);
  if (!written) throw CliError(kBadInput, written.message);
}

}  // namespace pictavo::cli
