#pragma once
#include <array>
#include <string>

namespace pictavo {

constexpr const char* kVersionTag = "Version_20b";

// Program-wide settings loaded at start; all held as text, as in the settings file.
struct Settings {
  std::string installDir;              // folder of pictav.ini; ends in a separator once loaded
  std::string user;                    // "Default User" in the file marks a first run
  std::string iconDir;                 // where the icon Open dialog starts
  std::string pictureDir;              // where the picture Open dialog starts
  std::string multiIconFile;           // "1" or "2"; stored and shown only
  std::array<std::string, 3> carried;  // fields 5 to 7, written back unchanged
  std::string versionTag = kVersionTag;
  std::string programPath;  // folder of the running program
  std::string startupFile;  // command-line text; cleared after first use
};

}  // namespace pictavo
