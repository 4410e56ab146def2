#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "TempFolder.h"
#include "app/SettingsFile.h"

using namespace pictavo;
using pictavo::testing::readText;
using pictavo::testing::TempFolder;
using pictavo::testing::writeText;
using Fields = std::vector<std::string>;

TEST(SettingsText, WritesEightQuotedFieldsOnOneCrLfLine) {
  Settings s;
  s.user = "Default User";
  s.multiIconFile = "1";
  EXPECT_EQ(formatSettingsText(settingsFileFields(s)),
            "\"Default User\",\"\",\"\",\"1\",\"\",\"\",\"\",\"Version_20b\"\r\n");
}

TEST(SettingsText, QuotesSurviveAndLineBreaksAreDropped) {
  const Fields written{"say \"hi\"", "a\r\nb", "c\nd", "\"", "", "x,y", " lead", "v"};
  const std::string text = formatSettingsText(written);
  EXPECT_EQ(text.find('\n'), text.size() - 1);
  EXPECT_NE(text.find("\"say \"\"hi\"\"\""), std::string::npos);

  const SettingsFileReading back = parseSettingsText(text);
  ASSERT_TRUE(back.ok()) << back.error;
  EXPECT_EQ(back.fields, (Fields{"say \"hi\"", "ab", "cd", "\"", "", "x,y", " lead", "v"}));
}

TEST(SettingsText, AcceptsSevenFieldsBomLfEndsAndBareFields) {
  EXPECT_EQ(parseSettingsText("\"u\",\"i\",\"p\",\"2\",\"a\",\"b\",\"c\"").fields,
            (Fields{"u", "i", "p", "2", "a", "b", "c"}));
  EXPECT_TRUE(parseSettingsText("\"u\",\"i\",\"p\",\"2\",\"a\",\"b\",\"c\"").ok());

  auto reading = parseSettingsText("\xEF\xBB\xBF\n\"u\", \"i\" ,p q ,2,,\"b\",\"c\",\"v\",\"extra\"\n\"x\"\n");
  ASSERT_TRUE(reading.ok()) << reading.error;
  EXPECT_EQ(reading.fields, (Fields{"u", "i", "p q", "2", "", "b", "c", "v"}));
}

TEST(SettingsText, OddFilesAreCleanErrors) {
  struct Case {
    std::string text;
    std::size_t fieldsKept;
  };
  const Case cases[] = {
      {"", 0},
      {"\r\n\r\n  ", 0},
      {"\xEF\xBB\xBF", 0},
      {std::string("\"a\",\"b\0\",\"c\",\"d\",\"e\",\"f\",\"g\"", 29), 0},  // binary
      {"\"a\",\"b\",\"c\",\"d\",\"e\",\"f\"\r\n", 6},                          // short
      {"\"a\",\"b\",\"c\r\n", 2},                                              // unterminated
      {"\"a\",\"b\"junk,\"c\",\"d\",\"e\",\"f\",\"g\"", 2},                    // text after quote
      {"\"a\",\"b\",\"c\",\"d\"\r\n\"e\",\"f\",\"g\"\r\n", 4},                 // split over lines
  };
  for (const Case& c : cases) {
    SettingsFileReading reading = parseSettingsText(c.text);
    EXPECT_FALSE(reading.ok()) << c.text;
    EXPECT_FALSE(reading.error.empty());
    EXPECT_EQ(reading.fields.size(), c.fieldsKept) << c.text;
  }
}

// Lines built from field-like pieces, so that both usable and broken files come up.
TEST(SettingsText, RandomTextNeverBreaksTheReader) {
  std::mt19937 random(20240601);
  const std::string pieces[] = {"\"", "\"\"", ",", ",", "\r\n", "\n", " ", "a", "\"a b\"",
                                "\"x\",", "\"y\",", "z,", std::string(1, '\0'), "\xEF\xBB\xBF", "\t"};
  int usable = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    for (int n = random() % 24; n > 0; --n) text += pieces[random() % std::size(pieces)];
    SettingsFileReading reading = parseSettingsText(text);
    EXPECT_LE(reading.fields.size(), kSettingsFieldCount);
    if (!reading.ok()) continue;
    ++usable;
    EXPECT_GE(reading.fields.size(), kRequiredSettingsFields);
    Fields withoutBreaks = reading.fields;
    for (std::string& f : withoutBreaks)
      f.erase(std::remove_if(f.begin(), f.end(), [](char c) { return c == '\r' || c == '\n'; }),
              f.end());
    EXPECT_EQ(parseSettingsText(formatSettingsText(reading.fields)).fields, withoutBreaks);
  }
  EXPECT_GT(usable, 10);
}

TEST(SettingsFile, WriteReplacesTheFileWholeAndLeavesNoTemporary) {
  TempFolder tmp;
  Settings s;
  s.installDir = tmp.path() + "/";
  writeText(settingsFilePath(s), "old contents that are longer than the new line will be......");
  s.user = "Ann";
  s.carried = {"5", "6", "7"};

  std::string whyNot;
  ASSERT_TRUE(writeSettingsFile(s, &whyNot)) << whyNot;
  EXPECT_EQ(readText(tmp.path() + "/pictav.ini"),
            "\"Ann\",\"\",\"\",\"\",\"5\",\"6\",\"7\",\"Version_20b\"\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.path()), {}), 1);

  SettingsFileReading back = readSettingsFile(settingsFilePath(s));
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(back.fields, settingsFileFields(s));
}

TEST(SettingsFile, WriteIntoAMissingFolderFailsAndSaysWhy) {
  TempFolder tmp;
  Settings s;
  s.installDir = tmp.path() + "/missing/";
  std::string whyNot;
  EXPECT_FALSE(writeSettingsFile(s, &whyNot));
  EXPECT_FALSE(whyNot.empty());
  EXPECT_FALSE(std::filesystem::exists(tmp.path() + "/missing"));
}

TEST(SettingsFile, MissingFolderOrOversizedFilesAreErrors) {
  TempFolder tmp;
  EXPECT_FALSE(readSettingsFile(tmp.path() + "/none.ini").ok());
  EXPECT_FALSE(readSettingsFile(tmp.sub("folder.ini")).ok());
  const std::string big = tmp.path() + "/big.ini";
  writeText(big, "\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"," + std::string(kMaxSettingsFileBytes, ' '));
  EXPECT_FALSE(readSettingsFile(big).ok());
}
