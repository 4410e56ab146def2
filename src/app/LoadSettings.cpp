#include "app/LoadSettings.h"

#include <filesystem>
#include <stdexcept>

#include "platform/AtomicFile.h"
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

bool holdsSettingsFile(const std::string& folder) {
  std::error_code ec;
  return !folder.empty() &&
         std::filesystem::is_regular_file(withTrailingSeparator(folder) + kSettingsFileName, ec);
}

// An installed program's own folder is not writable, so each user gets a copy of the
// shipped file, which still says "Default User" and so leads into the first run.
void seedUserFolder(const SettingsPlaces& places) {
  const SettingsFileReading shipped = readSettingsFile(places.templateFile);
  if (!shipped.ok()) throw LoadProblem(shipped.error);
  std::error_code ec;
  std::filesystem::create_directories(places.userFolder, ec);
  std::string whyNot;
  const std::string copy = withTrailingSeparator(places.userFolder) + kSettingsFileName;
  if (!replaceFileAtomically(copy, formatSettingsText(shipped.fields), &whyNot)) throw LoadProblem(whyNot);
}

// A settings file in the current folder wins; then the folder a first run recorded;
// then the program's own folder; then the per-user folder, seeded when it has none.
void findSettingsFile(Settings& settings, const SettingsStore& store, const SettingsPlaces& places) {
  if (holdsSettingsFile(settings.installDir)) return;
  const std::string recorded = store.value("InstallDir").value_or("");
  for (const std::string& folder : {recorded, places.programFolder}) {
    if (holdsSettingsFile(folder)) {
      settings.installDir = withTrailingSeparator(folder);
      return;
    }
  }
  // Without any usable folder the current one stays, so a later rewrite has somewhere to go.
  if (places.userFolder.empty()) throw LoadProblem("no settings file and no folder to keep one in");
  if (!holdsSettingsFile(places.userFolder)) seedUserFolder(places);
  settings.installDir = withTrailingSeparator(places.userFolder);
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
                  const SettingsPlaces& places, const std::function<void()>& associateIco) {
  const std::string& currentFolder = places.currentFolder;
  if (settings.installDir.empty()) settings.installDir = currentFolder;
  settings.installDir = withTrailingSeparator(settings.installDir);
  try {
    findSettingsFile(settings, store, places);
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
