#include "app/RecentIcons.h"

#include <algorithm>

namespace pictavo {
namespace {

std::string keyOf(std::size_t number) { return "RecentIcon" + std::to_string(number); }

}  // namespace

RecentIcons::RecentIcons(const std::vector<std::string>& paths) {
  // Added oldest first, so the first occurrence of a path wins.
  for (auto it = paths.rbegin(); it != paths.rend(); ++it) add(*it);
}

void RecentIcons::add(const std::string& path) {
  if (path.empty()) return;
  paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
  paths_.insert(paths_.begin(), path);
  if (paths_.size() > kMaxRecentIcons) paths_.resize(kMaxRecentIcons);
}

bool RecentIcons::dropMissing(const std::function<bool(const std::string&)>& exists) {
  const auto gone = std::remove_if(paths_.begin(), paths_.end(),
                                   [&](const std::string& path) { return !exists(path); });
  const bool any = gone != paths_.end();
  paths_.erase(gone, paths_.end());
  return any;
}

RecentIcons loadRecentIcons(const SettingsStore& store) {
  std::vector<std::string> paths;
  for (std::size_t n = 1; n <= kMaxRecentIcons; ++n)
    if (const auto value = store.value(keyOf(n))) paths.push_back(*value);
  return RecentIcons(paths);
}

void storeRecentIcons(SettingsStore& store, const RecentIcons& recent) {
  const std::vector<std::string>& paths = recent.paths();
  for (std::size_t n = 1; n <= kMaxRecentIcons; ++n) {
    const std::string value = n <= paths.size() ? paths[n - 1] : std::string();
    // Each write rewrites the whole store file; most entries just stay.
    if (store.value(keyOf(n)).value_or(std::string()) != value) store.setValue(keyOf(n), value);
  }
}

}  // namespace pictavo
