// `edit`: runs a script of editor operations on one program state.
#include <functional>
#include <iostream>
#include <map>

#include "cli/CliCommands.h"
#include "cli/IconInput.h"
#include "icofile/IconSaving.h"
#include "tools/Commands.h"
#include "tools/PointerInput.h"

namespace pictavo::cli {
namespace {

// The centre of a cell's square in the main window, so pointer events take
// the same path through hit-testing as a real mouse.
std::pair<double, double> cellCentre(const ProgramState& state, int column, int row) {
  const CellRect r = state.geometry.cellRect(column, row);
  return {r.left + r.width / 2, r.top + r.height / 2};
}

const Colour kNoSurface = kNoColour;

void press(ProgramState& s, int column, int row) {
  const auto [x, y] = cellCentre(s, column, row);
  formMouseDown(s, kLeftButton, 0, x, y, [](double, double) { return kNoSurface; });
}
void moveTo(ProgramState& s, int column, int row) {
  const auto [x, y] = cellCentre(s, column, row);
  formMouseMove(s, kLeftButton, 0, x, y);
}
void release(ProgramState& s, int column, int row) {
  const auto [x, y] = cellCentre(s, column, row);
  formMouseUp(s, kLeftButton, 0, x, y);
}

using SimpleOperation = std::function<void(ProgramState&)>;

const std::map<std::string, SimpleOperation>& simpleOperations() {
  static const std::map<std::string, SimpleOperation> ops = {
      {"--flip-x", flipHorizontal},     {"--flip-y", flipVertical},
      {"--rotate", rotateQuarter},      {"--slide-up", slideUp},
      {"--slide-down", slideDown},      {"--slide-left", slideLeft},
      {"--slide-right", slideRight},    {"--brighter", brighter},
      {"--darker", darker},             {"--more-contrast", moreContrast},
      {"--less-contrast", lessContrast}, {"--bw", blackAndWhite},
      {"--undo", undo},                 {"--redo", redo},
      {"--backup", backupIcon},         {"--restore", restoreIcon},
      {"--new", newIcon},
      {"--transparent-pen", [](ProgramState& s) { s.colour.chooseTransparent(); }},
  };
  return ops;
}

bool isToolName(const std::string& name) {
  for (const char* t : {"Pen", "Line", "Box", "BoxFill", "Circle", "CircleFill", "Fill", "Pointer", "Paste"})
    if (name == t) return true;
  return false;
}

// Runs one pointer or parameterised operation; false when `option` is not one.
bool runCellOperation(ProgramState& s, const std::string& option, ArgCursor& args) {
  if (option == "--press" || option == "--move" || option == "--release" || option == "--click") {
    const auto [c, r] = parseCell(args.valueOf(option));
    if (option == "--press" || option == "--click") press(s, c, r);
    if (option == "--move") moveTo(s, c, r);
    if (option == "--release" || option == "--click") release(s, c, r);
  } else if (option == "--drag") {
    const std::string value = args.valueOf(option);
    const auto colon = value.find(':');
    if (colon == std::string::npos) throw CliError(kUsageError, "bad drag (want C0,R0:C1,R1): " + value);
    const auto [c0, r0] = parseCell(value.substr(0, colon));
    const auto [c1, r1] = parseCell(value.substr(colon + 1));
    press(s, c0, r0);
    moveTo(s, c1, r1);
    release(s, c1, r1);
  } else if (option == "--color") {
    s.colour.choose(parseHexColour(args.valueOf(option)));
  } else if (option == "--tool") {
    const std::string name = args.valueOf(option);
    if (!isToolName(name)) throw CliError(kUsageError, "unknown tool: " + name);
    selectTool(s, name);  // as the menus do: a drag begun with another tool ends first
  } else if (option == "--merge") {
    const int merges = parseInt(args.valueOf(option), "merge count");
    if (merges < 0) throw CliError(kUsageError, "merge count must not be negative");
    ConsoleMessageBoxes answers(merges);
    countColorsCommand(s, answers);
  } else {
    return false;
  }
  return true;
}

}  // namespace

int runEdit(ArgCursor& args) {
  ProgramState state;
  if (!args.done() && args.peek().rfind("-", 0) != 0) {
    const std::string file = args.next();
    int index = 0;
    if (!args.done() && args.peek() == "--index") {
      args.next();
      index = parseInt(args.valueOf("--index"), "index");
    }
    loadIconOrFail(state, file, index);
  }
  OutputChoice output;
  while (!args.done()) {
    const std::string option = args.next();
    const auto simple = simpleOperations().find(option);
    if (simple != simpleOperations().end())
      simple->second(state);
    else if (!runCellOperation(state, option, args) && !output.take(option, args))
      throw CliError(kUsageError, "unknown operation: " + option);
  }
  output.checkComplete();
  return output.deliver(state);
}

bool OutputChoice::take(const std::string& option, ArgCursor& args) {
  if (option == "-o")
    path = args.valueOf(option);
  else if (option == "--depth")
    depth = parseDepth(args.valueOf(option));
  else if (option == "--dump")
    dump = true;
  else
    return false;
  return true;
}

void OutputChoice::checkComplete() const {
  if (path.empty() == !dump) throw CliError(kUsageError, "give exactly one of -o OUT or --dump");
}

int OutputChoice::deliver(ProgramState& state) const {
  if (dump)
    printCanvas(state.canvas, std::cout);
  else
    saveOrFail(state, path, depth);
  return kOk;
}

}  // namespace pictavo::cli
