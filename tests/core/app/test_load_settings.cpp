#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "TempFolder.h"
#include "app/LoadSettings.h"
#include "app/SettingsFile.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedMessageBoxes.h"

using namespace pictavo;
using pictavo::testing::readText;
using pictavo::testing::TempFolder;
using pictavo::testing::writeText;
namespace doubles = pictavo::testing;

namespace {

// Remembers the order of writes as well as the values.
class RecordingStore : public doubles::MemorySettingsStore {
 public:
  std::vector<std::string> written;
  void setValue(const std::string& key, const std::string& value) override {
    written.push_back(key);
    MemorySettingsStore::setValue(key, value);
  }
};

const char* kFreshFile = "\"Default User\",\"\",\"\",\"1\",\"c5\",\"c6\",\"c7\",\"Version_20b\"\r\n";
const char* kAnnFile = "\"Ann\",\"/icons/\",\"/pics/\",\"2\",\"\",\"\",\"\",\"Version_20b\"\r\n";

class LoadSettingsTest : public ::testing::Test {
 protected:
  TempFolder tmp;
  std::string current = tmp.sub("current");
  std::string install = tmp.sub("install");
  Settings settings;
  RecordingStore store;
  doubles::ScriptedMessageBoxes boxes;
  int associationQuestions = 0;

  bool load() {
    return loadSettings(settings, store, boxes, current, [this] { ++associationQuestions; });
  }
  void expectIniProblem() {
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "There was a problem loading the INI file");
    EXPECT_EQ(boxes.shown()[0].title, "Pictavo");
    EXPECT_EQ(boxes.shown()[0].buttons, Buttons::Ok);
  }
};

}  // namespace

TEST_F(LoadSettingsTest, FileInTheCurrentFolderWinsOverTheStore) {
  writeText(current + "/pictav.ini", kAnnFile);
  writeText(install + "/pictav.ini", "\"Bob\",\"\",\"\",\"1\",\"\",\"\",\"\",\"\"\r\n");
  store.values["InstallDir"] = install + "/";

  EXPECT_TRUE(load());
  EXPECT_EQ(settings.installDir, current + "/");
  EXPECT_EQ(settings.user, "Ann");
  EXPECT_EQ(settings.iconDir, "/icons/");
  EXPECT_EQ(settings.pictureDir, "/pics/");
  EXPECT_EQ(settings.multiIconFile, "2");
  EXPECT_TRUE(boxes.shown().empty());
  EXPECT_EQ(store.written, (std::vector<std::string>{"User", "PictureDir", "IconDir"}));
  EXPECT_EQ(store.values["User"], "Ann");
}

TEST_F(LoadSettingsTest, ElsewhereTheRecordedInstallFolderIsUsed) {
  writeText(install + "/pictav.ini", kAnnFile);
  store.values["InstallDir"] = install;  // a separator is added when missing
  EXPECT_TRUE(load());
  EXPECT_EQ(settings.installDir, install + "/");
  EXPECT_EQ(settings.user, "Ann");
}

TEST_F(LoadSettingsTest, FirstRunAsksOnceRewritesTheFileAndRecordsTheInstallFolder) {
  writeText(current + "/pictav.ini", kFreshFile);
  EXPECT_TRUE(load());

  EXPECT_EQ(associationQuestions, 1);
  EXPECT_EQ(settings.user, " ");
  EXPECT_EQ(settings.pictureDir, current);
  EXPECT_EQ(settings.iconDir, current + "/icons");
  EXPECT_EQ(readText(current + "/pictav.ini"), "\" \",\"" + current + "/icons\",\"" + current +
                                                   "\",\"1\",\"c5\",\"c6\",\"c7\",\"Version_20b\"\r\n");
  EXPECT_EQ(store.written,
            (std::vector<std::string>{"User", "PictureDir", "InstallDir", "IconDir"}));
  EXPECT_EQ(store.values["User"], " ");
  EXPECT_EQ(store.values["InstallDir"], current + "/");
  EXPECT_EQ(store.values["IconDir"], current + "/icons");
  EXPECT_EQ(store.values["PictureDir"], current);

  // Launched later from another folder (say, for an icon file): same file, no question.
  Settings second;
  store.written.clear();
  EXPECT_TRUE(loadSettings(second, store, boxes, install, [this] { ++associationQuestions; }));
  EXPECT_EQ(associationQuestions, 1);
  EXPECT_EQ(second.installDir, current + "/");
  EXPECT_EQ(second.iconDir, current + "/icons");
  EXPECT_EQ(store.written, (std::vector<std::string>{"User", "PictureDir", "IconDir"}));
}

TEST_F(LoadSettingsTest, FirstRunInTheRootFolderDoesNotDoubleTheSeparator) {
  writeText(current + "/pictav.ini", kFreshFile);
  EXPECT_TRUE(loadSettings(settings, store, boxes, current + "/", {}));
  EXPECT_EQ(settings.iconDir, current + "/icons");
}

TEST_F(LoadSettingsTest, InstallFolderIsStoredOnlyForABlankUserWithoutAnIconDir) {
  const std::string blankUser = "\" \",\"\",\"\",\"1\",\"\",\"\",\"\",\"Version_20b\"\r\n";
  writeText(current + "/pictav.ini", blankUser);
  EXPECT_TRUE(load());
  EXPECT_EQ(store.values.count("InstallDir"), 1u);

  store = RecordingStore();
  store.values["IconDir"] = "/somewhere";
  EXPECT_TRUE(load());
  EXPECT_EQ(store.values.count("InstallDir"), 0u);

  store = RecordingStore();
  writeText(current + "/pictav.ini", kAnnFile);
  EXPECT_TRUE(load());
  EXPECT_EQ(store.values.count("InstallDir"), 0u);
  EXPECT_EQ(associationQuestions, 0);
}

TEST_F(LoadSettingsTest, MissingFileReportsAndStoresNothing) {
  EXPECT_FALSE(load());
  expectIniProblem();
  EXPECT_TRUE(store.written.empty());
  EXPECT_EQ(settings.installDir, current + "/");
  EXPECT_EQ(settings.user, "");

  store.values["InstallDir"] = install + "/";  // recorded, but the file is gone
  boxes = doubles::ScriptedMessageBoxes();
  EXPECT_FALSE(load());
  expectIniProblem();
  EXPECT_TRUE(store.written.empty());
}

TEST_F(LoadSettingsTest, ShortOrUnreadableFilesReportAndStoreNothing) {
  struct Case {
    std::string contents;
    std::string userAfter;
  };
  const Case cases[] = {
      {"\"Default User\",\"a\",\"b\",\"1\",\"\",\"\"\r\n", "Default User"},  // six fields
      {"", ""},
      {std::string("\"Ann\0\"", 6), ""},
      {"\"Ann\",\"unterminated\r\n", "Ann"},
  };
  for (const Case& c : cases) {
    writeText(current + "/pictav.ini", c.contents);
    settings = Settings();
    boxes = doubles::ScriptedMessageBoxes();
    EXPECT_FALSE(load()) << c.contents;
    expectIniProblem();
    EXPECT_EQ(settings.user, c.userAfter);
    EXPECT_EQ(readText(current + "/pictav.ini"), c.contents);
  }
  std::filesystem::remove(current + "/pictav.ini");
  std::filesystem::create_directory(current + "/pictav.ini");
  boxes = doubles::ScriptedMessageBoxes();
  EXPECT_FALSE(load());
  expectIniProblem();

  EXPECT_TRUE(store.written.empty());
  EXPECT_EQ(associationQuestions, 0);
}

#ifdef __linux__
// A folder whose path leaves room for "pictav.ini" but not for a temporary name beside
// it, so the rewrite fails whatever rights the tests run with.
static std::string folderTooDeepForATemporary(const std::string& base) {
  constexpr std::size_t kPathMax = 4096;
  const std::size_t wanted = kPathMax - 1 - std::string("/pictav.ini.tmp-00000000").size() + 5;
  std::string folder = base;
  while (folder.size() < wanted)
    folder += "/" + std::string(std::min<std::size_t>(200, wanted - folder.size() - 1), 'd');
  std::filesystem::create_directories(folder);
  return folder;
}

TEST_F(LoadSettingsTest, FailedFirstRunRewriteReportsAndStopsStoring) {
  current = folderTooDeepForATemporary(current);
  writeText(current + "/pictav.ini", kFreshFile);
  ASSERT_EQ(readText(current + "/pictav.ini"), kFreshFile);

  EXPECT_FALSE(load());
  expectIniProblem();
  EXPECT_EQ(associationQuestions, 1);
  EXPECT_EQ(settings.user, " ");
  EXPECT_EQ(store.written, (std::vector<std::string>{"User"}));
  EXPECT_EQ(readText(current + "/pictav.ini"), kFreshFile);
}
#endif
