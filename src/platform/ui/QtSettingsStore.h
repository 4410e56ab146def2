#pragma once
#include <QSettings>

#include "platform/SettingsStore.h"

namespace pictavo::ui {

// The per-user store: organisation and application "Pictavo", group "Settings".
class QtSettingsStore : public SettingsStore {
 public:
  QtSettingsStore();

  std::optional<std::string> value(const std::string& key) const override;
  // Throws std::runtime_error when the store cannot be written (read-only file, full disk).
  void setValue(const std::string& key, const std::string& value) override;

 private:
  mutable QSettings settings_;
};

}  // namespace pictavo::ui
