#include <gtest/gtest.h>

#include <set>

#include "app/RecentIcons.h"
#include "support/MemorySettingsStore.h"

using namespace pictavo;
using namespace pictavo::testing;
using Paths = std::vector<std::string>;

namespace {

RecentIcons afterAdding(const Paths& added) {
  RecentIcons recent;
  for (const std::string& path : added) recent.add(path);
  return recent;
}

}  // namespace

TEST(RecentIcons, NewestFirstEachOnceAtMostEight) {
  const struct {
    Paths added;
    Paths expected;
  } cases[] = {
      {{}, {}},
      {{"/a.ico", "/b.ico"}, {"/b.ico", "/a.ico"}},
      {{"/a.ico", "/b.ico", "/a.ico"}, {"/a.ico", "/b.ico"}},
      {{"/a.ico", "/a.ico", ""}, {"/a.ico"}},
      {{"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9"},
       {"/9", "/8", "/7", "/6", "/5", "/4", "/3", "/2"}},
      // Reopening an entry of a full list keeps the other seven.
      {{"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/1"},
       {"/1", "/8", "/7", "/6", "/5", "/4", "/3", "/2"}},
  };
  for (const auto& c : cases) EXPECT_EQ(afterAdding(c.added).paths(), c.expected);
}

TEST(RecentIcons, MissingFilesDropOutInOrder) {
  RecentIcons recent = afterAdding({"/a", "/gone1", "/b", "/gone2"});
  const std::set<std::string> present = {"/a", "/b"};
  const auto exists = [&](const std::string& p) { return present.count(p) > 0; };
  EXPECT_TRUE(recent.dropMissing(exists));
  EXPECT_EQ(recent.paths(), (Paths{"/b", "/a"}));
  EXPECT_FALSE(recent.dropMissing(exists));
}

TEST(RecentIcons, KeptInTheStoreAcrossLoads) {
  MemorySettingsStore store;
  EXPECT_TRUE(loadRecentIcons(store).paths().empty());
  storeRecentIcons(store, afterAdding({"/a.ico", "/b.ico"}));
  EXPECT_EQ(store.values["RecentIcon1"], "/b.ico");
  EXPECT_EQ(loadRecentIcons(store).paths(), (Paths{"/b.ico", "/a.ico"}));

  // A shorter list clears the entries it no longer has.
  storeRecentIcons(store, afterAdding({"/c.ico"}));
  EXPECT_EQ(store.values["RecentIcon2"], "");
  EXPECT_EQ(loadRecentIcons(store).paths(), (Paths{"/c.ico"}));

  // A store edited by hand: gaps and repeats are read past, the newest entry wins.
  store.values = {{"RecentIcon1", "/x"}, {"RecentIcon3", "/y"}, {"RecentIcon4", "/x"}, {"RecentIcon9", "/z"}};
  EXPECT_EQ(loadRecentIcons(store).paths(), (Paths{"/x", "/y"}));
}
