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

// True when `text` is an entry this program wrote: pictavoDesktopEntry for some program.
bool isOwnDesktopEntry(const std::string& text);

// The user's data folder: `dataHome` if absolute, else `home`/.local/share; empty when
// neither is usable.
std::string xdgDataHome(const std::string& dataHome, const std::string& home);

// The folders searched for applications/<entry>, first match wins: xdgDataHome, then the ':'-separated `dataDirs` (else /usr/local/share and
// /usr/share). Relative folders are ignored, as the base directory rules ask.
std::vector<std::string> xdgDataFolders(const std::string& dataHome, const std::string& dataDirs,
                                        const std::string& home);

// Arguments for xdg-mime that make that entry the default opener of .ico files.
std::vector<std::string> xdgMimeDefaultArguments();

}  // namespace pictavo
