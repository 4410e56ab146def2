// The operation list of `pictavo-cli edit`, one word per line, parsed and,
// when valid, run on a fresh editor.
#include <exception>

#include "FuzzTargets.h"
#include "cli/EditScript.h"

namespace pictavo::fuzz {

std::string checkEditWords(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> words(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n')
      words.emplace_back();
    else
      words.back() += static_cast<char>(data[i]);
  }
  try {
    const cli::EditScript script = cli::parseEditScript(words);
    ProgramState state;
    cli::runEditOperations(state, script.operations);
    for (const Cell& cell : state.canvas.cells())
      if ((cell.transparent != 0 && cell.transparent != 1) || cell.colour < 0 || cell.colour > 0xFFFFFF)
        return "a cell left out of range";
  } catch (const cli::CliError& refused) {
    if (refused.code != cli::kUsageError) return std::string("not a usage error: ") + refused.what();
  } catch (const std::exception& e) {
    return std::string("unexpected exception: ") + e.what();
  }
  return "";
}

}  // namespace pictavo::fuzz
