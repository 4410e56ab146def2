#include "platform/ui/QtSettingsStore.h"

#include <stdexcept>

namespace pictavo::ui {
namespace {
const QString kGroup = QStringLiteral("Settings/");
}

QtSettingsStore::QtSettingsStore() : settings_(QStringLiteral("Pictavo"), QStringLiteral("Pictavo")) {}

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
