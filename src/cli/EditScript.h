#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "cli/CliSupport.h"

namespace pictavo::cli {

// One editor operation of `edit`, checked and ready to run.
struct EditOperation {
  enum class Kind { Command, Press, Move, Release, Click, Drag, Colour, Tool, Merge };
  Kind kind = Kind::Command;
  std::string name;  // the option of a command, or the tool's name
  int column = 0, row = 0, toColumn = 0, toRow = 0;
  Colour colour = 0;
  int merges = 0;
};

// What `edit` was asked to do: the icon to start from (none: a new one) and the operations in order.
struct EditScript {
  std::string input;
  std::optional<int> index;  // --index N (from `scan`)
  std::optional<int> image;  // --image N (from `images`)
  std::vector<EditOperation> operations;
};

// Takes an option that is not an operation (with its values) from the cursor;
// false when it does not know `option` either.
using OtherOption = std::function<bool(const std::string& option, ArgCursor& args)>;

// Parses `[FILE [--index N | --image N]] OPERATIONS...`; throws CliError on the first bad word.
EditScript parseEditScript(ArgCursor& args, const OtherOption& other);
EditScript parseEditScript(const std::vector<std::string>& words, const OtherOption& other = {});

// Runs the operations on one editor, as the windows' events would.
void runEditOperations(ProgramState& state, const std::vector<EditOperation>& operations);

}  // namespace pictavo::cli
