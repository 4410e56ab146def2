#include "cli/EditScript.h"

#include <map>

#include "tools/Commands.h"
#include "tools/PointerInput.h"

namespace pictavo::cli {
namespace {

using Kind = EditOperation::Kind;
using SimpleCommand = void (*)(ProgramState&);

void chooseTransparentPen(ProgramState& s) { s.colour.chooseTransparent(); }

const std::map<std::string, SimpleCommand>& simpleCommands() {
  static const std::map<std::string, SimpleCommand> commands = {
      {"--flip-x", flipHorizontal},     {"--flip-y", flipVertical},
      {"--rotate", rotateQuarter},      {"--slide-up", slideUp},
      {"--slide-down", slideDown},      {"--slide-left", slideLeft},
      {"--slide-right", slideRight},    {"--brighter", brighter},
      {"--darker", darker},             {"--more-contrast", moreContrast},
      {"--less-contrast", lessContrast}, {"--bw", blackAndWhite},
      {"--undo", undo},                 {"--redo", redo},
      {"--backup", backupIcon},         {"--restore", restoreIcon},
      {"--new", newIcon},               {"--transparent-pen", chooseTransparentPen},
  };
  return commands;
}

bool isToolName(const std::string& name) {
  for (const char* t : {"Pen", "Line", "Box", "BoxFill", "Circle", "CircleFill", "Fill", "Pointer", "Paste"})
    if (name == t) return true;
  return false;
}

const std::map<std::string, Kind>& pointerOptions() {
  static const std::map<std::string, Kind> options = {
      {"--press", Kind::Press}, {"--move", Kind::Move}, {"--release", Kind::Release}, {"--click", Kind::Click}};
  return options;
}

// Reads one operation starting at `option`; false when `option` is not one.
bool parseOperation(const std::string& option, ArgCursor& args, EditOperation& op) {
  op.name = option;
  if (simpleCommands().count(option)) {
    op.kind = Kind::Command;
  } else if (const auto pointer = pointerOptions().find(option); pointer != pointerOptions().end()) {
    op.kind = pointer->second;
    std::tie(op.column, op.row) = parseCell(args.valueOf(option));
  } else if (option == "--drag") {
    op.kind = Kind::Drag;
    const std::string value = args.valueOf(option);
    const auto colon = value.find(':');
    if (colon == std::string::npos) throw CliError(kUsageError, "bad drag (want C0,R0:C1,R1): " + value);
    std::tie(op.column, op.row) = parseCell(value.substr(0, colon));
    std::tie(op.toColumn, op.toRow) = parseCell(value.substr(colon + 1));
  } else if (option == "--color") {
    op.kind = Kind::Colour;
    op.colour = parseHexColour(args.valueOf(option));
  } else if (option == "--tool") {
    op.kind = Kind::Tool;
    op.name = args.valueOf(option);
    if (!isToolName(op.name)) throw CliError(kUsageError, "unknown tool: " + op.name);
  } else if (option == "--merge") {
    op.kind = Kind::Merge;
    op.merges = parseInt(args.valueOf(option), "merge count");
    if (op.merges < 0) throw CliError(kUsageError, "merge count must not be negative");
  } else {
    return false;
  }
  return true;
}

// The centre of a cell's square in the main window, so pointer events take
// the same path through hit-testing as a real mouse.
std::pair<double, double> cellCentre(const ProgramState& state, int column, int row) {
  const CellRect r = state.geometry.cellRect(column, row);
  return {r.left + r.width / 2, r.top + r.height / 2};
}

void press(ProgramState& s, int column, int row) {
  const auto [x, y] = cellCentre(s, column, row);
  formMouseDown(s, kLeftButton, 0, x, y, [](double, double) { return kNoColour; });
}
void moveTo(ProgramState& s, int column, int row) {
  const auto [x, y] = cellCentre(s, column, row);
  formMouseMove(s, kLeftButton, 0, x, y);
}
void release(ProgramState& s, int column, int row) {
  const auto [x, y] = cellCentre(s, column, row);
  formMouseUp(s, kLeftButton, 0, x, y);
}

void runOperation(ProgramState& s, const EditOperation& op) {
  switch (op.kind) {
    case Kind::Command: simpleCommands().at(op.name)(s); break;
    case Kind::Press: press(s, op.column, op.row); break;
    case Kind::Move: moveTo(s, op.column, op.row); break;
    case Kind::Release: release(s, op.column, op.row); break;
    case Kind::Click:
      press(s, op.column, op.row);
      release(s, op.column, op.row);
      break;
    case Kind::Drag:
      press(s, op.column, op.row);
      moveTo(s, op.toColumn, op.toRow);
      release(s, op.toColumn, op.toRow);
      break;
    case Kind::Colour: s.colour.choose(op.colour); break;
    case Kind::Tool: selectTool(s, op.name); break;  // a drag begun with another tool ends first
    case Kind::Merge: {
      ConsoleMessageBoxes answers(op.merges);
      countColorsCommand(s, answers);
      break;
    }
  }
}

}  // namespace

EditScript parseEditScript(ArgCursor& args, const OtherOption& other) {
  EditScript script;
  if (!args.done() && args.peek().rfind("-", 0) != 0) {
    script.input = args.next();
    if (!args.done() && (args.peek() == "--index" || args.peek() == "--image")) {
      const std::string option = args.next();
      (option == "--index" ? script.index : script.image) = parseInt(args.valueOf(option), option.substr(2));
    }
  }
  while (!args.done()) {
    const std::string option = args.next();
    EditOperation op;
    if (parseOperation(option, args, op))
      script.operations.push_back(std::move(op));
    else if (!other || !other(option, args))
      throw CliError(kUsageError, "unknown operation: " + option);
  }
  return script;
}

EditScript parseEditScript(const std::vector<std::string>& words, const OtherOption& other) {
  ArgCursor args(words);
  return parseEditScript(args, other);
}

void runEditOperations(ProgramState& state, const std::vector<EditOperation>& operations) {
  for (const EditOperation& op : operations) runOperation(state, op);
}

}  // namespace pictavo::cli
