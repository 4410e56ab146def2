#pragma once
#include <string>

#include "app/ProgramState.h"

namespace pictavo {

constexpr const char* kIconBrowseFilter = "Icon Files (*.ic*;*.dll;*.exe)|*.ic*;*.dll;*.exe";
constexpr const char* kPictureBrowseFilter =
    "Convertible Pictures (*.jpg;*.bmp;*.ico;*.gif;*.emf;*.wmf;*.rle)|"
    "*.jpg;*.bmp;*.ico;*.gif;*.emf;*.wmf;*.rle";

// What the Options dialog shows and edits; the settings change only on Apply.
struct OptionsEntries {
  std::string user;
  std::string iconDir;
  std::string pictureDir;
  bool multiIconFile = false;  // "Allow saving more than one icon into a file."
};

OptionsEntries optionsEntries(const Settings& settings);

// Apply: the entries become the settings, both folders ending in a separator,
// MultiIconFile "1" when ticked, else "2". Folders are stored as typed.
void applyOptionsEntries(const OptionsEntries& entries, Settings& settings);

// What the user is told when the settings file could not be rewritten.
std::string settingsNotSavedMessage(const std::string& whyNot);

}  // namespace pictavo
