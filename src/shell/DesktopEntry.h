#pragma once
#include <string>
#include <vector>

namespace pictavo {

constexpr const char* kDesktopFileName = "pictavo.desktop";

// The freedesktop MIME types of .ico files.
std::vector<std::string> icoMimeTypes();

// `programFile` as the first word of an Exec line: quoted when it holds a reserved
// character, with the escapes the desktop entry format asks for ("%" as "%%").
std::string desktopExecProgram(const std::string& programFile);

// The desktop entry that lets the desktop open .ico files with Pictavo;
// `programFile` is the full path of the running program file.
std::string pictavoDesktopEntry(const std::string& programFile);

// Arguments for xdg-mime that make that entry the default opener of .ico files.
std::vector<std::string> xdgMimeDefaultArguments();

}  // namespace pictavo
