#pragma once
#include <map>

#include "platform/SettingsStore.h"

namespace pictavo::testing {

class MemorySettingsStore : public SettingsStore {
 public:
  std::map<std::string, std::string> values;

  std::optional<std::string> value(const std::string& key) const override {
    auto it = values.find(key);
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  void setValue(const std::string& key, const std::string& value) override { values[key] = value; }
};

}  // namespace pictavo::testing
