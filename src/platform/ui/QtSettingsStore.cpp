#include "platform/ui/QtSettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <stdexcept>

namespace pictavo::ui {
namespace {

const QString kGroup = QStringLiteral("Settings/");

void moveOlderValues(QSettings& settings, const QString& olderFile) {
  if (olderFile.isEmpty() || QFileInfo::exists(settings.fileName()) || !QFileInfo::exists(olderFile)) return;
  const QSettings older(olderFile, QSettings::IniFormat);
  const QStringList keys = older.allKeys();
  for (const QString& key : keys) settings.setValue(key, older.value(key));
  settings.sync();
  // The older file stays until its values are safely in the new one.
  if (settings.status() != QSettings::NoError) return;
  QFile::remove(olderFile);
  QDir().rmdir(QFileInfo(olderFile).path());
}

}  // namespace

QtSettingsStore::QtSettingsStore(const QString& file, const QString& olderFile)
    : settings_(file, QSettings::IniFormat) {
  moveOlderValues(settings_, olderFile);
}

std::optional<std::string> QtSettingsStore::value(const std::string& key) const {
  const QString full = kGroup + QString::fromStdString(key);
  if (!settings_.contains(full)) return std::nullopt;
  return settings_.value(full).toString().toStdString();
}

void QtSettingsStore::setValue(const std::string& key, const std::string& value) {
  const QString full = kGroup + QString::fromStdString(key);
  const QString text = QString::fromStdString(value);
  // Every start stores the same few values again; rewriting (and flushing) the file
  // for nothing would be the slowest part of the start.
  if (settings_.contains(full) && settings_.value(full).toString() == text) return;
  settings_.setValue(full, text);
  settings_.sync();
  // The caller skips a failed store write and goes on, so it has to hear of it.
  if (settings_.status() != QSettings::NoError)
    throw std::runtime_error("the per-user settings could not be written");
}

}  // namespace pictavo::ui
