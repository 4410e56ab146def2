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

// LoadSettings: finds pictav.ini (the current folder first, then the store's
// "InstallDir"), reads it into `settings`, handles a first run (asks about the .ico
// association through `associateIco`, rewrites the file) and copies the values to
// the store. A missing, unreadable or short file, or a failed first-run rewrite,
// shows "There was a problem loading the INI file" and returns false at once:
// the values read so far stay and nothing further is stored.
bool loadSettings(Settings& settings, SettingsStore& store, MessageBoxes& boxes,
                  const std::string& currentFolder, const std::function<void()>& associateIco);

}  // namespace pictavo
