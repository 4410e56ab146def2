#pragma once
#include <string>

namespace pictavo::ui {

// The data folder of an installation (share/pictavo beside bin/), found from the
// program's folder so that an installation may be moved as a whole.
std::string installedDataFolder(const std::string& programFolder);

// $XDG_CONFIG_HOME/pictavo, else ~/.config/pictavo: where an installed program, whose
// own folder is read-only, keeps the settings file.
std::string userSettingsFolder();

// The per-user store, pictavo.conf in that same folder, so that all of the
// program's configuration is in one place.
std::string userStoreFile();
// Where earlier versions kept the per-user store ($XDG_CONFIG_HOME/Pictavo/Pictavo.conf).
std::string olderUserStoreFile();

}  // namespace pictavo::ui
