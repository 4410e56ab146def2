#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "app/Settings.h"

namespace pictavo {

constexpr const char* kSettingsFileName = "pictav.ini";
constexpr std::size_t kSettingsFieldCount = 8;
constexpr std::size_t kRequiredSettingsFields = 7;  // the version tag may be missing
constexpr std::size_t kMaxSettingsFileBytes = 64 * 1024;

// What a settings file yielded: the fields read in order (at most eight) and,
// when it is not a usable settings file, why. Fields read whole before a
// problem are kept; a field with text run on after it is not one of them.
struct SettingsFileReading {
  std::vector<std::string> fields;
  std::string error;  // empty exactly when at least seven fields were read
  bool ok() const { return error.empty(); }
};

// One line of double-quoted, comma-separated fields. A doubled quote inside a
// field is one quote; unquoted fields, a UTF-8 BOM and LF-only line ends are accepted.
SettingsFileReading parseSettingsText(const std::string& text);

// Every field quoted, inner quotes doubled, line breaks dropped; ends in CR LF.
std::string formatSettingsText(const std::vector<std::string>& fields);

// The eight fields in file order: User, IconDir, PictureDir, MultiIconFile, three carried,
// VersionTag.
std::vector<std::string> settingsFileFields(const Settings& settings);

// Puts fields 1 to 7 (as many as there are) into the settings; field 8 is not used.
void applySettingsFileFields(const std::vector<std::string>& fields, Settings& settings);

// InstallDir + "pictav.ini".
std::string settingsFilePath(const Settings& settings);

// Reads and parses a settings file; an absent, unreadable or oversized file is an error.
SettingsFileReading readSettingsFile(const std::string& path);

// WriteSettingsFile: replaces the settings file atomically with all eight fields.
// False (and `whyNot`) when it could not be written; the old file is then untouched.
bool writeSettingsFile(const Settings& settings, std::string* whyNot = nullptr);

}  // namespace pictavo
