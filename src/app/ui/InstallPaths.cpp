#include "app/ui/InstallPaths.h"

#include <QDir>
#include <QStandardPaths>

#ifndef PICTAVO_DATA_FROM_BIN
#define PICTAVO_DATA_FROM_BIN "../share/pictavo"
#endif

namespace pictavo::ui {

std::string installedDataFolder(const std::string& programFolder) {
  const QString relative = QStringLiteral(PICTAVO_DATA_FROM_BIN);
  return QDir::cleanPath(QDir(QString::fromStdString(programFolder)).filePath(relative)).toStdString();
}

namespace {

std::string inConfigFolder(const char* relative) {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (config.isEmpty()) return {};
  return QDir(config).filePath(QString::fromLatin1(relative)).toStdString();
}

}  // namespace

std::string userSettingsFolder() { return inConfigFolder("pictavo"); }

std::string userStoreFile() { return inConfigFolder("pictavo/pictavo.conf"); }

std::string olderUserStoreFile() { return inConfigFolder("Pictavo/Pictavo.conf"); }

}  // namespace pictavo::ui
