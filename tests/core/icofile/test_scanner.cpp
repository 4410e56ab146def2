#include <gtest/gtest.h>

#include "IcoTestSupport.h"
#include "icofile/IconScanner.h"

using namespace pictavo;
using namespace icotest;

namespace {

struct Found {
  int record, offset;
  bool operator==(const Found& o) const { return record == o.record && offset == o.offset; }
};

std::vector<Found> listOf(const IcoState& ico) {
  std::vector<Found> out;
  for (int n = 0; n < ico.iconCount; ++n) out.push_back({ico.iconRecord[n], ico.iconOffset[n]});
  return out;
}

Found at(std::int64_t position) {
  return {int(position / kScanRecordSize + 1), int(position % kScanRecordSize)};
}

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

TEST_P(ScanBlocks, ReportsRecordAndOffsetIncludingStraddlingHeaders) {
  const std::vector<std::vector<std::int64_t>> layouts = {
      {0, 22, 4084, 8193, 12291}, {4083, 4097, 8180}, {4096, 8194}};
  for (const auto& positions : layouts) {
    Bytes file(13000, 0x11);
    for (auto p : positions) place(file, p, signature());
    ASSERT_EQ(scan(file).status, ScanStatus::Completed);
    std::vector<Found> expected;
    for (auto p : positions) expected.push_back(at(p));
    EXPECT_EQ(listOf(ico), expected);
  }
  EXPECT_EQ(at(4096), (Found{1, 4096}));
  EXPECT_EQ(at(4097), (Found{2, 0}));
}

TEST_P(ScanBlocks, OtherSizesAndPlanesAreNotFound) {
  Bytes file(600, 0);
  Bytes small = signature(), large = signature(), planes = signature(), tall = signature();
  small[4] = 16, small[8] = 32;
  large[4] = 48, large[8] = 96;
  planes[12] = 2;
  tall[9] = 1;  // height 320
  place(file, 10, small);
  place(file, 100, large);
  place(file, 200, planes);
  place(file, 300, tall);
  EXPECT_EQ(scan(file).status, ScanStatus::Completed);
  EXPECT_EQ(ico.iconCount, 0);
}

TEST_P(ScanBlocks, NothingPastTheEndOfTheFile) {
  const Bytes sig = signature();
  const Bytes first13(sig.begin(), sig.end() - 1);
  // 4097 bytes: a header at 4083 fits exactly; one at 4084 would need a 4098th byte.
  Bytes file(4097, 0);
  place(file, 4083, sig);
  EXPECT_EQ(scan(file).status, ScanStatus::Completed);
  EXPECT_EQ(listOf(ico), (std::vector<Found>{{1, 4083}}));
  Bytes cut(4097, 0);
  place(cut, 4084, first13);
  scan(cut);
  EXPECT_EQ(ico.iconCount, 0);
  Bytes longer(4098, 0);
  place(longer, 4084, sig);
  ASSERT_EQ(longer.size(), 4098u);
  scan(longer);
  EXPECT_EQ(listOf(ico), (std::vector<Found>{{1, 4084}}));
  Bytes tail(9000, 0);
  place(tail, 8987, first13);
  scan(tail);
  EXPECT_EQ(ico.iconCount, 0);
}

TEST_P(ScanBlocks, EmptyFileIsNotScannedAndRecordsAreCountedFromTheLength) {
  std::vector<double> seen;
  auto record = [&](double p) { seen.push_back(p); return true; };
  ico.iconCount = 5;
  EXPECT_EQ(scan({}, record).status, ScanStatus::Completed);
  EXPECT_EQ(ico.iconCount, 0);
  EXPECT_TRUE(seen.empty());
  scan(Bytes(4097, 0), record);
  EXPECT_EQ(seen, std::vector<double>{100.0});
  seen.clear();
  scan(Bytes(4098, 0), record);
  ASSERT_FALSE(seen.empty());
  EXPECT_LT(seen.back(), 100.0);
  EXPECT_EQ(seen.size(), 2u);  // one report per record begun
}

TEST_P(ScanBlocks, CancelKeepsTheHeadersOfRecordsAlreadyBegun) {
  Bytes file(6 * 4097, 0);
  place(file, 10, signature());
  place(file, 4097 + 10, signature());
  place(file, 2 * 4097 + 4090, signature());  // record 3, running into record 4
  place(file, 4 * 4097 + 10, signature());
  int calls = 0;
  // Cancel when asked to begin record 4 (percent 4 / 6 * 100).
  auto cancelAtRecord4 = [&](double p) { ++calls; return p < 60.0; };
  ScanOutcome out = scan(file, cancelAtRecord4);
  EXPECT_EQ(out.status, ScanStatus::Cancelled);
  EXPECT_EQ(listOf(ico), (std::vector<Found>{{1, 10}, {2, 10}, {3, 4090}}));
  EXPECT_EQ(calls, 4);
  EXPECT_EQ(scan(file, [](double) { return false; }).status, ScanStatus::Cancelled);
  EXPECT_EQ(ico.iconCount, 0);
}

TEST_P(ScanBlocks, StopsAtTheListsCapacityKeepingEveryEntry) {
  Bytes file;
  for (int n = 0; n < kMaxFoundIcons + 20; ++n) {
    Bytes s = signature();
    s.push_back(static_cast<std::uint8_t>(n));
    file.insert(file.end(), s.begin(), s.end());
  }
  EXPECT_EQ(scan(file).status, ScanStatus::ListFull);
  ASSERT_EQ(ico.iconCount, kMaxFoundIcons);
  const std::int64_t last = std::int64_t(kMaxFoundIcons - 1) * 15;
  EXPECT_EQ(listOf(ico).back(), at(last));
}

INSTANTIATE_TEST_SUITE_P(BlockSizes, ScanBlocks, ::testing::Values(1, 2, 256));

TEST(ScanProgress, ShareOfRecordsBegun) {
  EXPECT_EQ(static_cast<int>(scanProgressPercent(1, 5000)), 45);
  EXPECT_EQ(static_cast<int>(scanProgressPercent(2, 5000)), 90);
  EXPECT_DOUBLE_EQ(scanProgressPercent(2, 2 * 4097), 100.0);
}

TEST(ScanFailures, MissingFilesAndFoldersAreReportedAndEmptyTheList) {
  ScratchDir dir;
  IcoState ico;
  ico.iconCount = 3;
  ico.openPath = dir.path("absent.ico");
  ScanOutcome out = scanIcons(ico);
  EXPECT_EQ(out.status, ScanStatus::Unreadable);
  EXPECT_NE(out.message.find(ico.openPath), std::string::npos);
  EXPECT_EQ(ico.iconCount, 0);
  ico.openPath = dir.dir().string();
  EXPECT_EQ(scanIcons(ico).status, ScanStatus::Unreadable);
}
