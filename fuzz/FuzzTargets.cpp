#include "FuzzTargets.h"

namespace pictavo::fuzz {

const std::vector<FuzzTarget>& fuzzTargets() {
  static const std::vector<FuzzTarget> targets = {
      {"icon_file", checkIconFile},
      {"icon_read", checkIconRead},
      {"icon_images", checkIconImages},
      {"icon_merge", checkIconMerge},
      {"settings_file", checkSettingsText},
      {"edit_operations", checkEditWords},
  };
  return targets;
}

}  // namespace pictavo::fuzz
