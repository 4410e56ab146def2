#include <gtest/gtest.h>

#include <set>

#include "ScratchDir.h"
#include "platform/FolderPaths.h"
#include "shell/HighColour.h"
#include "shell/Options.h"

using namespace pictavo;

TEST(OptionsApply, FoldersGetOneSeparatorAndTheFlagIsOneOrTwo) {
  struct Case {
    std::string typed;
    bool multi;
    std::string stored, flag;
  } cases[] = {{"/icons", true, "/icons/", "1"},
               {"/icons/", false, "/icons/", "2"},
               {"/no such folder", true, "/no such folder/", "1"},  // stored as typed
               {"", false, "", "2"}};                               // empty is not the root
  for (const Case& c : cases) {
    Settings s;
    s.carried = {"a", "b", "c"};
    applyOptionsEntries({"Ann", c.typed, c.typed, c.multi}, s);
    EXPECT_EQ(s.iconDir, c.stored);
    EXPECT_EQ(s.pictureDir, c.stored);
    EXPECT_EQ(s.multiIconFile, c.flag);
    EXPECT_EQ(s.user, "Ann");
    EXPECT_EQ(s.carried[2], "c");
    EXPECT_EQ(optionsEntries(s).multiIconFile, c.multi);
  }
}

TEST(FolderPaths, PickedFileGivesItsFolderAndMissingFoldersTheirNearestParent) {
  EXPECT_EQ(folderOfPickedFile("/home/ann/icons/a.ico"), "/home/ann/icons");
  EXPECT_EQ(folderOfPickedFile("/a.ico"), "/");
  EXPECT_EQ(folderOfPickedFile("a.ico"), "");

  pictavo::testing::ScratchDir dir;
  const std::string icons = dir.sub("icons");
  EXPECT_EQ(nearestExistingFolder(icons), icons);
  EXPECT_EQ(nearestExistingFolder(icons + "/gone/deeper/"), icons);
  pictavo::testing::writeFile(dir.path("file"), "x");
  EXPECT_EQ(nearestExistingFolder(dir.path("file")), dir.root.string());
  EXPECT_EQ(nearestExistingFolder(""), "");
  EXPECT_EQ(nearestExistingFolder("nowhere/at/all"), "");
}

TEST(HighColour, WindowsCommandLines) {
  EXPECT_EQ(enableFullColourCommand("C:\\Tools\\"), "regedit -s \"C:\\Tools\\win95ico.reg\"");
  EXPECT_EQ(displayControlPanelCommand(), "control desk.cpl");
}

TEST(HighColour, DisplaySettingsOfTheRunningDesktopFirstThenAnyInstalled) {
  struct Case {
    std::string desktop;
    std::set<std::string> onPath;
    std::string program;  // "" when none is found
    std::vector<std::string> arguments;
  } cases[] = {
      {"GNOME", {"gnome-control-center"}, "gnome-control-center", {"display"}},
      {"KDE", {"gnome-control-center", "systemsettings"}, "systemsettings", {"kcm_kscreen"}},
      {"KDE", {"kcmshell5"}, "kcmshell5", {"kcm_kscreen"}},
      {"ubuntu:GNOME", {"xfce4-display-settings", "gnome-control-center"}, "gnome-control-center", {"display"}},
      {"XFCE", {"xfce4-display-settings"}, "xfce4-display-settings", {}},
      {"LXQt", {"lxqt-config-monitor", "xfce4-display-settings"}, "lxqt-config-monitor", {}},
      {"", {"lxqt-config-monitor"}, "lxqt-config-monitor", {}},
      {"MATE", {}, "", {}},
  };
  for (const Case& c : cases) {
    const auto found = findDisplaySettings(c.desktop, [&](const std::string& p) { return c.onPath.count(p) > 0; });
    SCOPED_TRACE(c.desktop);
    if (c.program.empty()) {
      EXPECT_FALSE(found);
      continue;
    }
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, (DisplaySettingsProgram{c.program, c.arguments}));
  }
}
