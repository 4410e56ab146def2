// `edit`: runs a script of editor operations on one program state.
#include <iostream>

#include "cli/CliCommands.h"
#include "cli/EditScript.h"
#include "cli/IconInput.h"
#include "cli/ImageOutput.h"
#include "icofile/IconSaving.h"

namespace pictavo::cli {

int runEdit(ArgCursor& args) {
  OutputChoice output;
  const EditScript script = parseEditScript(
      args, [&output](const std::string& option, ArgCursor& rest) { return output.take(option, rest); });
  output.checkComplete();
  ProgramState state;
  if (!script.input.empty()) loadChoiceOrFail(state, {script.input, script.index, script.image}, true);
  runEditOperations(state, script.operations);
  return output.deliver(state);
}

bool OutputChoice::take(const std::string& option, ArgCursor& args) {
  if (option == "-o")
    path = args.valueOf(option);
  else if (option == "--depth")
    depth = parseDepth(args.valueOf(option));
  else if (option == "--dump")
    dump = true;
  else if (option == "--keep-images")
    keepImages = true;
  else
    return false;
  return true;
}

void OutputChoice::checkComplete() const {
  if (path.empty() == !dump) throw CliError(kUsageError, "give exactly one of -o OUT or --dump");
  if (keepImages && (dump || isPngName(path))) throw CliError(kUsageError, "--keep-images needs an icon file as -o OUT");
}

int OutputChoice::deliver(ProgramState& state) const {
  if (dump)
    printCanvas(state.canvas, std::cout);
  else if (isPngName(path))
    savePngOrFail(state, path, depth);
  else if (keepImages)
    saveKeepingImagesOrFail(state, path, depth);
  else
    saveOrFail(state, path, depth);
  return kOk;
}

}  // namespace pictavo::cli
