#pragma once
#include <string>

#include "platform/MessageBoxes.h"

namespace pictavo {

constexpr const char* kAssociateTitle = "Make Default?";
constexpr const char* kAssociateQuestion =
    "Would you like to make \"Pictavo\" your default editor for .ICO files?";
constexpr const char* kIcoRegFileName = "ico.reg";

// The first step of AssociateIco: true when the user answers Yes to "Make Default?".
bool askToAssociateIco(MessageBoxes& boxes);

// `path` with a second backslash written after every backslash.
std::string doubledBackslashes(const std::string& path);

// The registry import text that makes this program the opener of .ico files,
// CR LF after every line. `programPath` is the program's folder.
std::string icoAssociationRegText(const std::string& programPath);

// regedit -s "<programPath>\ico.reg": a silent import of that file.
std::string regeditImportCommand(const std::string& programPath);

}  // namespace pictavo
