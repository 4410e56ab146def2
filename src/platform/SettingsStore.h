#pragma once
#include <optional>
#include <string>

namespace pictavo {

// The per-user settings store: application "Pictavo", section "Settings".
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<std::string> value(const std::string& key) const = 0;
  virtual void setValue(const std::string& key, const std::string& value) = 0;
};

}  // namespace pictavo
