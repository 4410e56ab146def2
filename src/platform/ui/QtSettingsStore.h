#pragma once
#include <QSettings>
#include <QString>

#include "platform/SettingsStore.h"

namespace pictavo::ui {

// The per-user store, group "Settings", kept in `file`. When that file does not
// exist yet, the values an earlier version kept in `olderFile` move into it once
// and the older file (and its folder, if left empty) goes.
class QtSettingsStore : public SettingsStore {
 public:
  explicit QtSettingsStore(const QString& file, const QString& olderFile = QString());

  std::optional<std::string> value(const std::string& key) const override;
  // Throws std::runtime_error when the store cannot be written (read-only file, full disk).
  void setValue(const std::string& key, const std::string& value) override;

 private:
  mutable QSettings settings_;
};

}  // namespace pictavo::ui
