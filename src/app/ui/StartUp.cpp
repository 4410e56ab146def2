#include "app/ui/StartUp.h"

#include "app/LoadSettings.h"
#include "app/ui/AssociateIco.h"
#include "app/ui/FrmMain.h"

namespace pictavo::ui {

std::unique_ptr<FrmMain> startProgram(ProgramState& state, const Services& services,
                                      const StartupContext& context) {
  state.settings.programPath = context.programPath;
  state.settings.startupFile = context.commandLine;
  state.settings.versionTag = kVersionTag;
  state.iconSaved = true;
  loadSettings(state.settings, services.store, services.messages, context.currentFolder, [&] {
    associateIco(services.messages, services.launcher, context.programFile, context.applicationsFolder);
  });
  state.busy = false;
  state.tools.undo = UndoBuffer{};  // three transparent white levels, nothing to undo
  state.setScreenMode(screenModeForHeight(context.screenHeightPixels));
  auto window = std::make_unique<FrmMain>(state, services);
  window->show();
  return window;
}

}  // namespace pictavo::ui
