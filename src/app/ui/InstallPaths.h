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

// The folder for the user's desktop entries: $XDG_DATA_HOME/applications, else
// ~/.local/share/applications; empty when neither can be found.
std::string userApplicationsFolder();

// The installation's own pictavo.desktop (share/applications beside bin/) when the
// desktop finds it there, its share folder being on XDG_DATA_HOME or XDG_DATA_DIRS;
// empty for a program run from its build folder or from a prefix the desktop ignores.
std::string installedDesktopEntry(const std::string& programFolder);

}  // namespace pictavo::ui
