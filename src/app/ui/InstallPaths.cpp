#include "app/ui/InstallPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "shell/DesktopEntry.h"

#ifndef PICTAVO_DATA_FROM_BIN
#define PICTAVO_DATA_FROM_BIN "../share/pictavo"
#endif

namespace pictavo::ui {
namespace {

std::string environment(const char* name) { return qEnvironmentVariable(name).toStdString(); }

// Symbolic links and "..", so that /usr/bin/../share and /usr/share compare equal.
QString canonical(const QString& path) {
  const QString resolved = QFileInfo(path).canonicalFilePath();
  return resolved.isEmpty() ? QDir::cleanPath(path) : resolved;
}

std::string inConfigFolder(const char* relative) {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (config.isEmpty()) return {};
  return QDir(config).filePath(QString::fromLatin1(relative)).toStdString();
}

}  // namespace

std::string installedDataFolder(const std::string& programFolder) {
  const QString relative = QStringLiteral(PICTAVO_DATA_FROM_BIN);
  return QDir::cleanPath(QDir(QString::fromStdString(programFolder)).filePath(relative)).toStdString();
}

std::string userSettingsFolder() { return inConfigFolder("pictavo"); }

std::string userStoreFile() { return inConfigFolder("pictavo/pictavo.conf"); }

std::string olderUserStoreFile() { return inConfigFolder("Pictavo/Pictavo.conf"); }

std::string userApplicationsFolder() {
  const std::string dataHome = xdgDataHome(environment("XDG_DATA_HOME"), environment("HOME"));
  return dataHome.empty() ? std::string() : dataHome + "/applications";
}

std::string installedDesktopEntry(const std::string& programFolder) {
  const QString share = QDir::cleanPath(QString::fromStdString(installedDataFolder(programFolder)) +
                                        QStringLiteral("/.."));
  const QString entry = share + QStringLiteral("/applications/") + QString::fromLatin1(kDesktopFileName);
  if (!QFileInfo(entry).isFile()) return {};
  const QString ours = canonical(share);
  for (const std::string& folder :
       xdgDataFolders(environment("XDG_DATA_HOME"), environment("XDG_DATA_DIRS"), environment("HOME")))
    if (canonical(QString::fromStdString(folder)) == ours) return entry.toStdString();
  return {};
}

}  // namespace pictavo::ui
