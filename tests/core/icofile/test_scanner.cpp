#include <gtest/gtest.h>

#include <tuple>

#include "IcoTestSupport.h"
#include "icofile/IconScanner.h"

using namespace pictavo;
using namespace icotest;

namespace {

using Found = std::pair<int, int>;  // record, offset

std::vector<Found> listOf(const IcoState& ico) {
  std::vector<Found> out;
  for (int n = 0; n < ico.iconCount; ++n) out.push_back({ico.iconRecord[n], ico.iconOffset[n]});
  return out;
}

Found at(std::int64_t position) { return {int(position / kScanRecordSize + 1), int(position % kScanRecordSize)}; }

// Block sizes of 1 and 2 records make every record boundary a block boundary.
class ScanBlocks : public ::testing::TestWithParam<int> {
 protected:
  ScanOutcome scan(const Bytes& content, const ScanProgress& progress = {}) {
    ico.openPath = dir.path("scanned.bin");
    writeFile(ico.openPath, content);
    return scanIcons(ico, progress, ScanOptions{GetParam()});
  }
  ScratchDir dir;
  IcoState ico;
};

}  // namespace

TEST_P(ScanBlocks, ReportsRecordAndOffsetOfEveryWholeHeaderAndNothingElse) {
  EXPECT_EQ(at(4096), Found(1, 4096));
  EXPECT_EQ(at(4097), Found(2, 0));
  // Headers straddling record ends; the last that fits 4097 bytes; one needing the 4098th byte;
  // headers cut short by the end of the file.
  const std::tuple<std::size_t, std::vector<std::int64_t>, std::int64_t> layouts[] = {
      {13000, {0, 22, 4084, 8193, 12291}, 12987}, {13000, {4083, 4097, 8180}, -1}, {13000, {4096, 8194}, -1},
      {4097, {4083}, -1}, {4098, {4084}, -1}, {4097, {}, 4084}};
  Bytes cut = signature();
  cut.pop_back();
  for (const auto& [size, positions, cutAt] : layouts) {
    Bytes file(size, 0x11);
    int k = 0;  // other widths, heights and plane counts are not 32 x 32 icon images
    for (auto [at, value] : {std::pair{4, 16}, {4, 48}, {8, 32}, {8, 96}, {9, 1}, {12, 2}}) {
      Bytes variant = signature();
      variant[at] = std::uint8_t(value);
      place(file, 100 * ++k, variant);
    }
    if (cutAt >= 0) place(file, cutAt, cut);
    std::vector<Found> expected;
    for (auto p : positions) {
      place(file, p, signature());
      expected.push_back(at(p));
    }
    ASSERT_EQ(file.size(), size);
    ASSERT_EQ(scan(file).status, ScanStatus::Completed);
    EXPECT_EQ(listOf(ico), expected) << size;
  }
}

TEST_P(ScanBlocks, ProgressOncePerRecordBegunAndCancelKeepsEarlierFinds) {
  std::vector<double> seen;
  auto record = [&](double p) {
    seen.push_back(p);
    return true;
  };
  ico.iconCount = 5;
  EXPECT_EQ(scan({}, record).status, ScanStatus::Completed);  // an empty file is not scanned
  EXPECT_EQ(ico.iconCount, 0);
  EXPECT_TRUE(seen.empty());
  scan(Bytes(4097, 0), record);
  EXPECT_EQ(seen, std::vector<double>{100.0});
  scan(Bytes(4098, 0), record);  // the second record, one byte, holds no header but is begun
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_LT(seen.back(), 100.0);
  scan(Bytes(5000, 0), record);
  EXPECT_EQ(std::vector<int>(seen.begin() + 3, seen.end()), (std::vector<int>{45, 90}));

  Bytes file(6 * 4097, 0);
  for (std::int64_t p : {10, 4097 + 10, 2 * 4097 + 4090, 4 * 4097 + 10}) place(file, p, signature());
  int calls = 0;
  auto cancelAtRecord4 = [&](double p) {  // record 4 begins at 4 / 6
    ++calls;
    return p < 60.0;
  };
  EXPECT_EQ(scan(file, cancelAtRecord4).status, ScanStatus::Cancelled);
  EXPECT_EQ(listOf(ico), (std::vector<Found>{{1, 10}, {2, 10}, {3, 4090}}));  // record 3's runs into record 4
  EXPECT_EQ(calls, 4);
  EXPECT_EQ(scan(file, [](double) { return false; }).status, ScanStatus::Cancelled);
  EXPECT_EQ(ico.iconCount, 0);
}

// A full list is reported only when a header had to be left out.
TEST_P(ScanBlocks, StopsAtTheListsCapacityKeepingEveryEntry) {
  for (int headers : {kMaxFoundIcons + 20, kMaxFoundIcons + 1, kMaxFoundIcons}) {
    Bytes file;
    for (int n = 0; n < headers; ++n) {
      place(file, file.size(), signature());
      file.push_back(static_cast<std::uint8_t>(n));
    }
    const ScanOutcome outcome = scan(file);
    EXPECT_EQ(outcome.status, headers > kMaxFoundIcons ? ScanStatus::ListFull : ScanStatus::Completed) << headers;
    EXPECT_EQ(outcome.message,
              headers > kMaxFoundIcons ? "Only the first 4097 icons found in " + ico.openPath + " are listed" : "");
    ASSERT_EQ(ico.iconCount, kMaxFoundIcons);
    EXPECT_EQ(listOf(ico).back(), at(std::int64_t(kMaxFoundIcons - 1) * 15));
  }
}

INSTANTIATE_TEST_SUITE_P(BlockSizes, ScanBlocks, ::testing::Values(1, 2, 256));

TEST(ScanFailures, MissingFilesAndFoldersAreReportedAndEmptyTheList) {
  ScratchDir dir;
  IcoState ico;
  ico.iconCount = 3;
  ico.openPath = dir.path("absent.ico");
  ScanOutcome out = scanIcons(ico);
  EXPECT_EQ(out.status, ScanStatus::Unreadable);
  EXPECT_NE(out.message.find(ico.openPath), std::string::npos);
  EXPECT_EQ(ico.iconCount, 0);
  ico.openPath = dir.root.string();
  EXPECT_EQ(scanIcons(ico).status, ScanStatus::Unreadable);
}
