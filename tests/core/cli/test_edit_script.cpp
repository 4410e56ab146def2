#include <gtest/gtest.h>

#include "cli/EditScript.h"

using namespace pictavo::cli;
using Kind = EditOperation::Kind;

namespace {

std::string usageErrorOf(const std::vector<std::string>& words) {
  try {
    parseEditScript(words);
  } catch (const CliError& e) {
    return e.code == kUsageError ? e.what() : "not a usage error";
  }
  return "";
}

}  // namespace

TEST(EditScript, ParsesFileIndexAndOperationsInOrder) {
  std::vector<std::string> others;
  const EditScript s = parseEditScript(
      {"in.dll", "--index", "3", "--color", "ff8000", "--drag", "1,2:30,31", "-o", "out.ico", "--merge", "2",
       "--tool", "Fill", "--click", "0,31", "--bw"},
      [&others](const std::string& option, ArgCursor& args) {
        if (option != "-o") return false;
        others.push_back(args.valueOf(option));
        return true;
      });
  EXPECT_EQ(s.input, "in.dll");
  EXPECT_EQ(s.index, 3);
  EXPECT_EQ(others, std::vector<std::string>{"out.ico"});
  ASSERT_EQ(s.operations.size(), 6u);
  EXPECT_EQ(s.operations[0].kind, Kind::Colour);
  EXPECT_EQ(s.operations[0].colour, pictavo::rgb(0xFF, 0x80, 0x00));
  const EditOperation& drag = s.operations[1];
  EXPECT_EQ(std::vector<int>({drag.column, drag.row, drag.toColumn, drag.toRow}), std::vector<int>({1, 2, 30, 31}));
  EXPECT_EQ(s.operations[2].merges, 2);
  EXPECT_EQ(s.operations[3].name, "Fill");
  EXPECT_EQ(s.operations[4].kind, Kind::Click);
  EXPECT_EQ(s.operations[4].row, 31);
  EXPECT_EQ(s.operations[5].name, "--bw");
  EXPECT_TRUE(parseEditScript(std::vector<std::string>{}).operations.empty());
  const EditScript sized = parseEditScript({"fav.ico", "--image", "2", "--bw"});
  EXPECT_EQ(sized.image, 2);
  EXPECT_FALSE(sized.index);
  EXPECT_FALSE(parseEditScript({"fav.ico", "--bw"}).index);
}

TEST(EditScript, RefusesEveryBadWordWithAUsageError) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--frobnicate"}, "unknown operation: --frobnicate"},
      {{"-o", "x.ico"}, "unknown operation: -o"},  // output options belong to the caller
      {{"--press"}, "--press needs a value"},
      {{"--press", "32,0"}, "cell off the canvas: 32,0"},
      {{"--move", "3"}, "bad cell (want C,R): 3"},
      {{"--drag", "1,1"}, "bad drag (want C0,R0:C1,R1): 1,1"},
      {{"--drag", "1,1:2,-1"}, "cell off the canvas: 2,-1"},
      {{"--color", "12345g"}, "bad colour (want RRGGBB): 12345g"},
      {{"--tool", "Spray"}, "unknown tool: Spray"},
      {{"--merge", "-1"}, "merge count must not be negative"},
      {{"--merge", "99999999999"}, "bad merge count: 99999999999"},
      {{"f.ico", "--index", "two"}, "bad index: two"},
  };
  for (const auto& [words, message] : cases) EXPECT_EQ(usageErrorOf(words), message) << words[0];
}
