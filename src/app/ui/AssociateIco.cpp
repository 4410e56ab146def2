#include "app/ui/AssociateIco.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "app/ui/InstallPaths.h"
#include "shell/DesktopEntry.h"
#include "shell/IcoAssociation.h"
#include "shell/ui/HelpWindows.h"

namespace pictavo::ui {
namespace {

const std::string kFailurePrefix = "Pictavo could not be made your default editor for .ICO files.\n\n";
const std::string kNoXdgMime =
    "The program xdg-mime, which records default editors, is not installed. "
    "It comes with the package xdg-utils.";

QString userEntryPath(const AssociationPlaces& places) {
  return QDir(QString::fromStdString(places.userApplicationsFolder)).filePath(QString::fromLatin1(kDesktopFileName));
}

// Each returns why it failed; empty when it worked.
std::string writeDesktopEntry(const AssociationPlaces& places) {
  const QString folder = QString::fromStdString(places.userApplicationsFolder);
  if (folder.isEmpty() || !QDir().mkpath(folder))
    return "The folder for application entries (" + folder.toStdString() + ") could not be created.";
  QSaveFile file(userEntryPath(places));
  const std::string text = pictavoDesktopEntry(places.programFile);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), qint64(text.size())) != qint64(text.size()) || !file.commit())
    return file.fileName().toStdString() + " could not be written: " + file.errorString().toStdString();
  return {};
}

// A per-user copy written by an earlier version would hide the installed entry and
// stay behind after the package is purged. Entries the user made are left alone.
std::string removeOwnUserEntry(const AssociationPlaces& places) {
  const QString path = userEntryPath(places);
  const QFileInfo info(path);
  if (places.userApplicationsFolder.empty() || !info.isFile() ||
      info.canonicalFilePath() == QFileInfo(QString::fromStdString(places.installedEntry)).canonicalFilePath())
    return {};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || !isOwnDesktopEntry(file.readAll().toStdString())) return {};
  file.close();
  if (file.remove()) return {};
  return path.toStdString() + " hides the installed entry and could not be removed: " +
         file.errorString().toStdString();
}

}  // namespace

AssociationPlaces findAssociationPlaces(const std::string& programFile) {
  const std::string folder = QFileInfo(QString::fromStdString(programFile)).absolutePath().toStdString();
  return {programFile, userApplicationsFolder(), installedDesktopEntry(folder), isOnPath("xdg-mime")};
}

void associateIco(MessageBoxes& boxes, ProgramLauncher& launcher, const AssociationPlaces& places) {
  if (!askToAssociateIco(boxes)) return;
  const std::string whyNot = !places.xdgMimeFound           ? kNoXdgMime
                             : places.installedEntry.empty() ? writeDesktopEntry(places)
                                                             : removeOwnUserEntry(places);
  if (!whyNot.empty()) {
    boxes.show(kFailurePrefix + whyNot, "", Buttons::Ok);
    return;
  }
  const LaunchResult result = launcher.run("xdg-mime", xdgMimeDefaultArguments());
  if (!result.succeeded()) boxes.show(kFailurePrefix + result.errorText, "", Buttons::Ok);
}

}  // namespace pictavo::ui
