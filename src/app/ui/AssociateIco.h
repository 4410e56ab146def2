#pragma once
#include <string>

#include "platform/MessageBoxes.h"
#include "platform/ProgramLauncher.h"

namespace pictavo::ui {

// What the association needs to know about where the program runs.
struct AssociationPlaces {
  std::string programFile;             // the running program
  std::string userApplicationsFolder;  // where a per-user desktop entry goes
  std::string installedEntry;          // the installation's pictavo.desktop the desktop finds; empty when uninstalled
  bool xdgMimeFound = true;
};

// The places for the running program, from its path and the environment.
AssociationPlaces findAssociationPlaces(const std::string& programFile);

// AssociateIco: asks "Make Default?"; on Yes makes pictavo.desktop the default opener of
// .ico files with xdg-mime. An installed program names its installed entry only, so
// nothing it writes outlives the package (an earlier per-user copy, which would hide
// that entry, is removed); a program run from its build folder first writes a per-user
// entry for itself. A failure is reported in one message box; the caller goes on either way.
void associateIco(MessageBoxes& boxes, ProgramLauncher& launcher, const AssociationPlaces& places);

}  // namespace pictavo::ui
