#pragma once
#include <memory>
#include <string>

#include "app/ProgramState.h"
#include "app/ui/AssociateIco.h"
#include "app/ui/Services.h"

namespace pictavo::ui {

class FrmMain;

// What the program learns about its surroundings when it starts.
struct StartupContext {
  std::string programPath;         // its folder
  std::string commandLine;         // all arguments joined with a space
  std::string currentFolder;
  int screenHeightPixels = 768;
  AssociationPlaces association;   // where the .ico association looks and writes
  std::string userSettingsFolder;  // where the settings file lives when the program folder cannot hold it
  std::string settingsTemplate;    // the settings file an installation ships
};

// Main: loads the settings, picks the layout from the screen height, loads and
// shows the main window. The caller runs the event loop.
std::unique_ptr<FrmMain> startProgram(ProgramState& state, const Services& services,
                                      const StartupContext& context);

}  // namespace pictavo::ui
