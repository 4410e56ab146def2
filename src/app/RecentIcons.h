#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/SettingsStore.h"

namespace pictavo {

constexpr std::size_t kMaxRecentIcons = 8;

// The icon files opened or saved last: most recent first, each path once, at
// most kMaxRecentIcons. Paths are compared as given.
class RecentIcons {
 public:
  // Keeps the first occurrence of each path and drops empty ones.
  explicit RecentIcons(const std::vector<std::string>& paths = {});

  const std::vector<std::string>& paths() const { return paths_; }
  // `path` becomes the first entry; the oldest falls off a full list.
  void add(const std::string& path);
  // Drops the entries `exists` says are gone; true when any went.
  bool dropMissing(const std::function<bool(const std::string&)>& exists);

 private:
  std::vector<std::string> paths_;
};

// Kept in the per-user store under "RecentIcon1" to "RecentIcon8"; an empty
// value is no entry.
RecentIcons loadRecentIcons(const SettingsStore& store);
// Throws what the store throws when it cannot be written.
void storeRecentIcons(SettingsStore& store, const RecentIcons& recent);

}  // namespace pictavo
