#include "shell/Options.h"

#include "platform/PathSeparator.h"

namespace pictavo {

OptionsEntries optionsEntries(const Settings& settings) {
  return {settings.user, settings.iconDir, settings.pictureDir, settings.multiIconFile == "1"};
}

void applyOptionsEntries(const OptionsEntries& entries, Settings& settings) {
  settings.user = entries.user;
  settings.iconDir = withTrailingSeparator(entries.iconDir);
  settings.pictureDir = withTrailingSeparator(entries.pictureDir);
  settings.multiIconFile = entries.multiIconFile ? "1" : "2";
}

std::string settingsNotSavedMessage(const std::string& whyNot) {
  return "The options could not be saved (" + whyNot +
         ").\n\nThe settings file was left as it was; the new options apply until Pictavo is closed.";
}

}  // namespace pictavo
