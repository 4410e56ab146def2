#include "icofile/IconScanner.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>
#include <vector>

#include "icofile/FileHandle.h"
#include "icofile/IcoFormat.h"
#include "icofile/IcoResult.h"

namespace pictavo {
namespace {

constexpr std::size_t kSignatureLength = kIconSignature.size();
constexpr std::size_t kLookahead = kSignatureLength - 1;
// Report at least this often on huge files, so Cancel stays quick.
constexpr int kChunksBetweenReports = 16;

ScanOutcome unreadable(IcoState& ico, const std::string& path, int err) {
  ico.iconCount = 0;
  return {ScanStatus::Unreadable, describeFileError("Could not read", path, err)};
}

class Scan {
 public:
  Scan(IcoState& ico, const ScanProgress& progress, std::int64_t length)
      : ico_(ico), progress_(progress), length_(length) {}

  // False when the caller cancels.
  bool report(std::int64_t record) {
    if (!progress_) return true;
    double percent = std::min(100.0, scanProgressPercent(record, length_));
    int whole = static_cast<int>(percent);
    if (whole == lastWhole_ && ++chunksSilent_ < kChunksBetweenReports) return true;
    lastWhole_ = whole;
    chunksSilent_ = 0;
    return progress_(percent);
  }

  // Looks at every start in data[0, starts); data holds 13 bytes more. False once full.
  bool search(const std::uint8_t* data, std::size_t starts, std::int64_t fileOffset) {
    const std::uint8_t* p = data;
    const std::uint8_t* end = data + starts;
    while (p < end) {
      p = static_cast<const std::uint8_t*>(std::memchr(p, kIconSignature[0], end - p));
      if (!p) break;
      if (std::memcmp(p, kIconSignature.data(), kSignatureLength) == 0 &&
          !record(fileOffset + (p - data)))
        return false;
      ++p;
    }
    return true;
  }

 private:
  bool record(std::int64_t position) {
    std::int64_t rec = position / kScanRecordSize + 1;
    if (rec > std::numeric_limits<std::int32_t>::max()) return false;
    int n = ico_.iconCount;
    ico_.iconRecord[n] = static_cast<std::int32_t>(rec);
    ico_.iconOffset[n] = static_cast<std::int32_t>(position % kScanRecordSize);
    ico_.iconCount = n + 1;
    return ico_.iconCount < kMaxFoundIcons;
  }

  IcoState& ico_;
  const ScanProgress& progress_;
  std::int64_t length_;
  int lastWhole_ = -1;
  int chunksSilent_ = 0;
};

}  // namespace

double scanProgressPercent(std::int64_t record, std::int64_t length) {
  double records = static_cast<double>(length) / kScanRecordSize;
  if (length % kScanRecordSize != 0) records += 1;
  return records > 0 ? static_cast<double>(record) / records * 100.0 : 100.0;
}

ScanOutcome scanIcons(IcoState& ico, const ScanProgress& progress, const ScanOptions& options) {
  ico.iconCount = 0;
  const std::string path = ico.openPath;
  std::error_code ec;
  const auto length = std::filesystem::file_size(path, ec);
  if (ec) return unreadable(ico, path, ec.value());
  FileHandle file = openForReading(path);
  if (!file) return unreadable(ico, path, errno);

  const std::size_t chunk =
      static_cast<std::size_t>(std::max(1, options.chunkRecords)) * kScanRecordSize;
  std::vector<std::uint8_t> buffer(chunk + kLookahead);
  Scan scan(ico, progress, static_cast<std::int64_t>(length));
  std::size_t carried = 0;   // tail of the previous block, still to be looked at
  std::int64_t base = 0;     // file offset of buffer[0]
  ScanStatus status = ScanStatus::Completed;

  // Only the length measured at the start is scanned, even if the file grows meanwhile.
  for (std::uint64_t read = 0; read < length;) {
    const std::int64_t firstRecord = static_cast<std::int64_t>(read / kScanRecordSize) + 1;
    // A cancelled scan still settles the headers straddling into the next record.
    if (status != ScanStatus::Cancelled && !scan.report(firstRecord)) status = ScanStatus::Cancelled;
    if (status == ScanStatus::Cancelled && carried == 0) break;
    const std::size_t wanted = static_cast<std::size_t>(
        std::min<std::uint64_t>(status == ScanStatus::Cancelled ? kLookahead : chunk, length - read));
    const std::size_t got = std::fread(buffer.data() + carried, 1, wanted, file.get());
    read += got;
    if (got < wanted && std::ferror(file.get())) return unreadable(ico, path, errno);
    const std::size_t filled = carried + got;
    if (filled > kLookahead && !scan.search(buffer.data(), filled - kLookahead, base))
      return {ScanStatus::ListFull, {}};
    if (status == ScanStatus::Cancelled || got < wanted) break;
    carried = std::min(kLookahead, filled);
    std::memmove(buffer.data(), buffer.data() + filled - carried, carried);
    base += static_cast<std::int64_t>(filled - carried);
  }
  return {status, {}};
}

}  // namespace pictavo
