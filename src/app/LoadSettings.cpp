#include "app/LoadSettings.h"

#include <filesystem>
#include <stdexcept>

#include "platform/PathSeparator.h"
#include "app/SettingsFile.h"

namespace pictavo {
namespace {

struct LoadProblem : std::runtime_error {
  using std::runtime_error::runtime_error;
};

bool hasValue(const SettingsStore& store, const std::string& key) {
  auto value = store.value(key);
  return value && !value->empty();
}

// A settings file in the current folder wins; otherwise the folder a first run recorded.
void findSettingsFile(Settings& settings, const SettingsStore& store) {
  std::error_code ec;
  if (std::filesystem::is_regular_file(settingsFilePath(settings), ec)) return;
  const std::string recorded = store.value("InstallDir").value_or("");
  // Without a recorded folder the current one stays, so a later rewrite has somewhere to go.
  if (recorded.empty()) throw LoadProblem("no settings file and no recorded install folder");
  settings.installDir = withTrailingSeparator(recorded);
}

void readSettings(Settings& settings) {
  SettingsFileReading reading = readSettingsFile(settingsFilePath(settings));
  applySettingsFileFields(reading.fields, settings);
  if (!reading.ok()) throw LoadProblem(reading.error);
}

void startFirstRun(Settings& settings, SettingsStore& store, const std::string& currentFolder,
                   const std::function<void()>& associateIco) {
  if (associateIco) associateIco();
  settings.user = kNoUser;
  settings.pictureDir = currentFolder;
  settings.iconDir = withTrailingSeparator(settings.pictureDir) + "icons";
  store.setValue("User", kNoUser);
  std::string whyNot;
  if (!writeSettingsFile(settings, &whyNot)) throw LoadProblem(whyNot);
}

// Past the file, a store write that fails is skipped and the next one still runs.
template <typename Step>
void ignoringErrors(Step step) {
  try {
    step();
  } catch (const std::exception&) {
  }
}

}  // namespace

bool loadSettings(Settings& settings, SettingsStore& store, MessageBoxes& boxes,
                  const std::string& currentFolder, const std::function<void()>& associateIco) {
  if (settings.installDir.empty()) settings.installDir = currentFolder;
  settings.installDir = withTrailingSeparator(settings.installDir);
  try {
    findSettingsFile(settings, store);
    readSettings(settings);
    if (settings.user == kFirstRunUser)
      startFirstRun(settings, store, currentFolder, associateIco);
    else
      store.setValue("User", settings.user);
  } catch (const std::exception&) {
    boxes.show(kIniProblemMessage, kIniProblemTitle, Buttons::Ok);
    return false;
  }
  ignoringErrors([&] { store.setValue("PictureDir", settings.pictureDir); });
  ignoringErrors([&] {
    if (!hasValue(store, "IconDir") && settings.user == kNoUser)
      store.setValue("InstallDir", settings.installDir);
  });
  ignoringErrors([&] { store.setValue("IconDir", settings.iconDir); });
  return true;
}

}  // namespace pictavo
