#include "cli/IconInput.h"

#include "cli/CliSupport.h"
#include "icofile/IcoFormat.h"
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

std::int64_t headerPosition(const IcoState& ico, int k) {
  return (std::int64_t(ico.iconRecord[std::size_t(k)]) - 1) * kScanRecordSize + ico.iconOffset[std::size_t(k)];
}

int bitCountAt(std::FILE* in, std::int64_t headerOffset) {
  unsigned char bytes[2] = {0, 0};
  if (std::fseek(in, static_cast<long>(headerOffset + 14), SEEK_SET) != 0) return 0;
  const std::size_t got = std::fread(bytes, 1, 2, in);
  if (got < 1) return 0;
  return bytes[0] | (got > 1 ? bytes[1] << 8 : 0);
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
