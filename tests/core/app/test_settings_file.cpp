#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "ScratchDir.h"
#include "app/SettingsFile.h"

using namespace pictavo;
using namespace pictavo::testing;
using Fields = std::vector<std::string>;

static bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

TEST(SettingsText, QuotesSurviveLineBreaksAreDroppedOneCrLfLine) {
  const std::string text = formatSettingsText({"say \"hi\"", "a\r\nb", "", "1", "x,y", " ", "c", "v"});
  EXPECT_EQ(text, "\"say \"\"hi\"\"\",\"ab\",\"\",\"1\",\"x,y\",\" \",\"c\",\"v\"\r\n");
  EXPECT_EQ(parseSettingsText(text).fields, (Fields{"say \"hi\"", "ab", "", "1", "x,y", " ", "c", "v"}));
}

TEST(SettingsText, SevenFieldsBomBareFieldsAndLineEndsBetweenFieldsAreAccepted) {
  const Fields aToG{"a", "b", "c", "d", "e", "f", "g"};
  const std::pair<std::string, Fields> cases[] = {
      {"\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"", aToG},
      {"\xEF\xBB\xBF\n\"u\", \"i\" ,p q ,2,,\"b\",\"c\",\"v\",\"9th\"\n\"x\"\n", {"u", "i", "p q", "2", "", "b", "c", "v"}},
      // Line ends separate fields like commas; a damaged eighth field is dropped.
      {"\"a\",\"b\",\"c\",\"d\"\r\n\"e\",\"f\",\"g\"\r\n", aToG},
      {"\"a\"\n\"b\"\n\"c\"\n\"d\"\n\"e\"\n\"f\"\n\"g\"\n", aToG},
      {"\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\",\"Version_20b", aToG},
      {"\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\",\"V\"junk\r\n", aToG}};
  for (const auto& [text, fields] : cases) {
    SettingsFileReading reading = parseSettingsText(text);
    EXPECT_TRUE(reading.ok()) << text << ": " << reading.error;
    EXPECT_EQ(reading.fields, fields) << text;
  }
}

TEST(SettingsText, OddFilesAreCleanErrorsKeepingWhatWasReadBefore) {
  const std::pair<std::string, std::size_t> cases[] = {
      {"", 0}, {"\r\n  ", 0}, {"\xEF\xBB\xBF", 0},
      {std::string("\"a\",\"b\0\",\"c\",\"d\",\"e\",\"f\",\"g\"", 28), 0},  // binary
      {"\"a\",\"b\",\"c\",\"d\",\"e\",\"f\"\r\n", 6},                       // six fields
      {"\"a\",\"b\",\"c\r\n", 2},                                           // unterminated
      {"\"a\",\"b\"junk,\"c\",\"d\",\"e\",\"f\",\"g\"", 1},                // run-on text
      {"\"a\",\"b\",\"c\",\"d\",\"e\",\"\",\"\"&\"Version_20b\"", 6}};
  for (const auto& [text, kept] : cases) {
    SettingsFileReading reading = parseSettingsText(text);
    EXPECT_FALSE(reading.ok()) << text;
    EXPECT_EQ(reading.fields.size(), kept) << text;
  }
}

TEST(SettingsText, RandomTextNeverBreaksTheReader) {
  std::mt19937 random(20240601);
  const std::string pieces[] = {"\"", "\"\"", ",", "\r\n", "\n", " ", "a", "\"a b\"", "\"x\",", "\"y\",", "z,",
                                std::string(1, '\0'), "\xEF\xBB\xBF", "\t"};
  int usable = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    for (int n = random() % 24; n > 0; --n) text += pieces[random() % std::size(pieces)];
    SettingsFileReading reading = parseSettingsText(text);
    EXPECT_LE(reading.fields.size(), kSettingsFieldCount);
    EXPECT_EQ(reading.ok(), reading.fields.size() >= kRequiredSettingsFields) << text;
    if (!reading.ok()) continue;
    ++usable;
    Fields expected = reading.fields;
    for (std::string& f : expected) f.erase(std::remove_if(f.begin(), f.end(), isLineEnd), f.end());
    EXPECT_EQ(parseSettingsText(formatSettingsText(reading.fields)).fields, expected);
  }
  EXPECT_GT(usable, 10);
}

TEST(SettingsFile, WriteReplacesWholeLeavesNoTemporaryAndFailsCleanly) {
  ScratchDir tmp;
  Settings s;
  s.installDir = tmp.root.string() + "/";
  writeFile(settingsFilePath(s), "old contents, longer than the new line will be...........");
  s.user = "Ann";
  s.carried = {"5", "6", "7"};
  std::string whyNot;
  ASSERT_TRUE(writeSettingsFile(s, &whyNot)) << whyNot;
  EXPECT_EQ(readText(settingsFilePath(s)), "\"Ann\",\"\",\"\",\"\",\"5\",\"6\",\"7\",\"Version_20b\"\r\n");
  EXPECT_EQ(tmp.entries(), 1);

  s.installDir += "missing/";
  EXPECT_FALSE(writeSettingsFile(s, &whyNot));
  EXPECT_FALSE(whyNot.empty());
  EXPECT_FALSE(fs::exists(s.installDir));
  EXPECT_FALSE(readSettingsFile(s.installDir + "pictav.ini").ok());
  const std::string folder = tmp.sub("folder.ini");
  HeldFifo fifo(tmp.path("fifo.ini"));
  for (const std::string& path : {folder, fifo.path})
    EXPECT_EQ(readSettingsFile(path).error, path + " is not a regular file");
  writeFile(s.installDir = tmp.path("big.ini"),
            "\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"" + std::string(kMaxSettingsFileBytes, ' '));
  EXPECT_FALSE(readSettingsFile(s.installDir).ok());
}
