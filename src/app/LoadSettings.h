#pragma once
#include <functional>
#include <string>

#include "platform/MessageBoxes.h"
#include "app/Settings.h"
#include "platform/SettingsStore.h"

namespace pictavo {

constexpr const char* kIniProblemMessage = "There was a problem loading the INI file";
constexpr const char* kIniProblemTitle = "Pictavo";
constexpr const char* kFirstRunUser = "Default User";
constexpr const char* kNoUser = " ";  // what a first run leaves as the user name

// Where a settings file may be. The current folder comes first and the store's
// "InstallDir" second; only when neither holds one are the others tried, in this order.
struct SettingsPlaces {
  std::string currentFolder;
  std::string programFolder;  // a program folder holding its own file (a build folder); may be empty
  std::string userFolder;     // the per-user folder, given a copy of `templateFile` when it has none
  std::string templateFile;   // the settings file an installation ships
};

// LoadSettings: finds pictav.ini (see SettingsPlaces), reads it into `settings`, handles a first run (asks about the .ico
// association through `associateIco`, rewrites the file) and copies the values to
// the store. A missing, unreadable or short file, or a failed first-run rewrite,
// shows "There was a problem loading the INI file" and returns false at once:
// the values read so far stay and nothing further is stored.
bool loadSettings(Settings& settings, SettingsStore& store, MessageBoxes& boxes,
                  const SettingsPlaces& places, const std::function<void()>& associateIco);

}  // namespace pictavo
