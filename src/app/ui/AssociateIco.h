#pragma once
#include <string>

#include "platform/MessageBoxes.h"
#include "platform/ProgramLauncher.h"

namespace pictavo::ui {

// The folder for the user's desktop entries: $XDG_DATA_HOME/applications, else
// ~/.local/share/applications; empty when neither can be found.
std::string userApplicationsFolder();

// AssociateIco: asks "Make Default?"; on Yes writes pictavo.desktop for `programFile`
// into `applicationsFolder` and makes it the default opener of .ico files with
// xdg-mime. A failure is reported in one message box; the caller goes on either way.
void associateIco(MessageBoxes& boxes, ProgramLauncher& launcher, const std::string& programFile,
                  const std::string& applicationsFolder);

}  // namespace pictavo::ui
