#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "ScratchDir.h"
#include "app/LoadSettings.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedMessageBoxes.h"

using namespace pictavo;
using namespace pictavo::testing;
using Keys = std::vector<std::string>;

namespace {

// Remembers the order of writes as well as the values.
struct RecordingStore : MemorySettingsStore {
  Keys written;
  void setValue(const std::string& key, const std::string& value) override {
    written.push_back(key);
    MemorySettingsStore::setValue(key, value);
  }
};

const std::string kFreshFile = "\"Default User\",\"\",\"\",\"1\",\"c5\",\"c6\",\"c7\",\"Version_20b\"\r\n";
const std::string kAnnFile = "\"Ann\",\"/icons/\",\"/pics/\",\"2\",\"\",\"\",\"\",\"Version_20b\"\r\n";
const std::string kBlankUserFile = "\" \",\"\",\"\",\"1\",\"\",\"\",\"\",\"Version_20b\"\r\n";

struct LoadSettingsTest : ::testing::Test {
  ScratchDir tmp;
  std::string current = tmp.sub("current"), install = tmp.sub("install");
  Settings settings;
  RecordingStore store;
  ScriptedMessageBoxes boxes;
  int questions = 0;

  bool load(const std::string& folder, const std::string& programFolder = "", const std::string& userFolder = "",
            const std::string& templateFile = "") {
    settings = Settings();
    store.written.clear();
    boxes = ScriptedMessageBoxes();
    return loadSettings(settings, store, boxes, {folder, programFolder, userFolder, templateFile},
                        [this] { ++questions; });
  }
  void expectIniProblemAndNothingStored() {
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "There was a problem loading the INI file");
    EXPECT_EQ(boxes.shown()[0].title, "Pictavo");
    EXPECT_EQ(boxes.shown()[0].buttons, Buttons::Ok);
    EXPECT_TRUE(store.written.empty());
  }
};

}  // namespace

TEST_F(LoadSettingsTest, CurrentFolderFirstThenTheRecordedInstallFolder) {
  writeFile(current + "/pictav.ini", kAnnFile);
  writeFile(install + "/pictav.ini", kBlankUserFile);
  store.values["InstallDir"] = install;
  EXPECT_TRUE(load(current));
  EXPECT_EQ(settings.installDir, current + "/");
  EXPECT_EQ(settings.user + settings.iconDir + settings.pictureDir + settings.multiIconFile, "Ann/icons//pics/2");
  EXPECT_EQ(store.written, (Keys{"User", "PictureDir", "IconDir"}));
  EXPECT_EQ(store.values["User"], "Ann");

  EXPECT_TRUE(load(tmp.sub("elsewhere")));
  EXPECT_EQ(settings.installDir, install + "/");  // a separator is added
  EXPECT_EQ(settings.user, " ");
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(LoadSettingsTest, FirstRunAsksOnceRewritesTheFileAndRecordsTheInstallFolder) {
  writeFile(current + "/pictav.ini", kFreshFile);
  EXPECT_TRUE(load(current + "/"));  // a trailing separator is not doubled before "icons"
  EXPECT_EQ(questions, 1);
  EXPECT_EQ(settings.pictureDir, current + "/");
  EXPECT_EQ(settings.iconDir, current + "/icons");
  EXPECT_EQ(readText(current + "/pictav.ini"),
            "\" \",\"" + current + "/icons\",\"" + current + "/\",\"1\",\"c5\",\"c6\",\"c7\",\"Version_20b\"\r\n");
  EXPECT_EQ(store.written, (Keys{"User", "PictureDir", "InstallDir", "IconDir"}));
  EXPECT_EQ(store.values["User"], " ");
  EXPECT_EQ(store.values["InstallDir"], current + "/");

  // Launched later from another folder (say, for an icon file): same file, no question.
  EXPECT_TRUE(load(install));
  EXPECT_EQ(questions, 1);
  EXPECT_EQ(settings.installDir, current + "/");
  EXPECT_EQ(settings.iconDir, current + "/icons");
  EXPECT_EQ(store.written, (Keys{"User", "PictureDir", "IconDir"}));
}

TEST_F(LoadSettingsTest, InstallFolderIsStoredOnlyForABlankUserWithoutAnIconDir) {
  for (auto [file, iconDirStored, stored] :
       {std::tuple{kAnnFile, false, 0u}, {kBlankUserFile, false, 1u}, {kBlankUserFile, true, 0u}}) {
    store = RecordingStore();
    if (iconDirStored) store.values["IconDir"] = "/somewhere";
    writeFile(current + "/pictav.ini", file);
    EXPECT_TRUE(load(current));
    EXPECT_EQ(store.values.count("InstallDir"), stored) << file;
  }
}

TEST_F(LoadSettingsTest, MissingShortOrUnreadableFilesReportAndStoreNothing) {
  EXPECT_FALSE(load(current));
  expectIniProblemAndNothingStored();
  EXPECT_EQ(settings.installDir, current + "/");
  store.values["InstallDir"] = install;  // recorded, but no file there
  EXPECT_FALSE(load(current));
  expectIniProblemAndNothingStored();

  const std::pair<std::string, std::string> cases[] = {
      {"\"Default User\",\"a\",\"b\",\"1\",\"\",\"\"\r\n", "Default User"},  // six fields
      {"", ""},
      {std::string("\"Ann\0\"", 6), ""},
      {"\"Ann\",\"unterminated\r\n", "Ann"}};
  for (const auto& [contents, userAfter] : cases) {
    writeFile(current + "/pictav.ini", contents);
    EXPECT_FALSE(load(current)) << contents;
    expectIniProblemAndNothingStored();
    EXPECT_EQ(settings.user, userAfter);
    EXPECT_EQ(readText(current + "/pictav.ini"), contents);
  }
  fs::remove(current + "/pictav.ini");
  fs::create_directory(current + "/pictav.ini");
  EXPECT_FALSE(load(current));
  expectIniProblemAndNothingStored();
  EXPECT_EQ(questions, 0);
}

#ifdef __linux__
// The folder's path leaves room for "pictav.ini" but not for a temporary name beside
// it, so the first-run rewrite fails whatever rights the tests run with.
TEST_F(LoadSettingsTest, FailedFirstRunRewriteReportsAndStopsStoring) {
  const std::size_t wanted = 4095 - std::string("/pictav.ini.tmp-00000000").size() + 5;
  while (current.size() < wanted) current += "/" + std::string(std::min<std::size_t>(200, wanted - current.size()), 'd');
  fs::create_directories(current);
  writeFile(current + "/pictav.ini", kFreshFile);
  ASSERT_EQ(readText(current + "/pictav.ini"), kFreshFile);
  EXPECT_FALSE(load(current));
  EXPECT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(questions, 1);
  EXPECT_EQ(settings.user, " ");
  EXPECT_EQ(store.written, (Keys{"User"}));
  EXPECT_EQ(readText(current + "/pictav.ini"), kFreshFile);
}
#endif

// An installed program: no file in the current folder, a read-only program folder
// (so none passed), the per-user folder seeded from the shipped file on the first run.
TEST_F(LoadSettingsTest, WithoutAnyFileThePerUserFolderIsSeededFromTheShippedOne) {
  const std::string shipped = install + "/pictav.ini", user = tmp.path("config/pictavo");
  writeFile(shipped, kFreshFile);
  EXPECT_TRUE(load(current, "", user, shipped));
  EXPECT_EQ(questions, 1);
  EXPECT_EQ(settings.installDir, user + "/");
  EXPECT_EQ(readText(user + "/pictav.ini"),
            "\" \",\"" + current + "/icons\",\"" + current + "\",\"1\",\"c5\",\"c6\",\"c7\",\"Version_20b\"\r\n");
  EXPECT_EQ(readText(shipped), kFreshFile);
  EXPECT_EQ(store.values["InstallDir"], user + "/");

  // Later starts from anywhere find it through the store, or, with the store lost, directly.
  for (bool storeLost : {false, true}) {
    if (storeLost) store = RecordingStore();
    EXPECT_TRUE(load(tmp.sub("elsewhere"), "", user, shipped));
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(settings.installDir, user + "/");
    EXPECT_EQ(settings.iconDir, current + "/icons");
  }
}

TEST_F(LoadSettingsTest, TheCurrentFolderAndTheRecordedOneComeBeforeTheProgramAndUserFolders) {
  const std::string program = tmp.sub("program"), user = tmp.sub("user");
  writeFile(program + "/pictav.ini", kAnnFile);
  writeFile(user + "/pictav.ini", kBlankUserFile);
  EXPECT_TRUE(load(current, program, user));
  EXPECT_EQ(settings.installDir, program + "/");  // a build folder keeps its own file
  EXPECT_EQ(settings.user, "Ann");

  store.values["InstallDir"] = user;
  EXPECT_TRUE(load(current, program, user));
  EXPECT_EQ(settings.installDir, user + "/");

  writeFile(current + "/pictav.ini", kAnnFile);
  EXPECT_TRUE(load(current, program, user));
  EXPECT_EQ(settings.installDir, current + "/");
  EXPECT_EQ(questions, 0);
}

TEST_F(LoadSettingsTest, AMissingOrDamagedShippedFileIsReportedAndNothingIsSeeded) {
  const std::string user = tmp.path("config/pictavo"), shipped = install + "/pictav.ini";
  for (const std::string& contents : {std::string(), std::string("\"Default User\",\"a\"\r\n")}) {
    if (!contents.empty()) writeFile(shipped, contents);
    EXPECT_FALSE(load(current, "", user, shipped)) << contents;
    expectIniProblemAndNothingStored();
    EXPECT_FALSE(fs::exists(user + "/pictav.ini"));
  }
  writeFile(tmp.path("config"), "a file where the configuration folder should be");
  writeFile(shipped, kFreshFile);
  EXPECT_FALSE(load(current, "", user, shipped));
  expectIniProblemAndNothingStored();
  EXPECT_EQ(questions, 0);
}
