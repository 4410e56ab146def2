#include "app/ui/StartUp.h"

#include <QFileInfo>

#include "app/LoadSettings.h"
#include "app/ui/AssociateIco.h"
#include "app/ui/FrmMain.h"

namespace pictavo::ui {
namespace {

// Only a program folder the user may write to can keep the settings file beside the
// program (a build folder); an installed one is read-only.
std::string writableFolder(const std::string& folder) {
  const QFileInfo info(QString::fromStdString(folder));
  return info.isDir() && info.isWritable() ? folder : std::string();
}

}  // namespace

std::unique_ptr<FrmMain> startProgram(ProgramState& state, const Services& services,
                                      const StartupContext& context) {
  state.settings.programPath = context.programPath;
  state.settings.startupFile = context.commandLine;
  state.settings.versionTag = kVersionTag;
  state.iconSaved = true;
  const SettingsPlaces places{context.currentFolder, writableFolder(context.programPath),
                              context.userSettingsFolder, context.settingsTemplate};
  loadSettings(state.settings, services.store, services.messages, places, [&] {
    associateIco(services.messages, services.launcher, context.association);
  });
  state.busy = false;
  state.tools.undo = UndoBuffer{};  // three transparent white levels, nothing to undo
  state.setScreenMode(screenModeForHeight(context.screenHeightPixels));
  auto window = std::make_unique<FrmMain>(state, services);
  window->show();
  return window;
}

}  // namespace pictavo::ui
