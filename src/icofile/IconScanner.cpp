#include "icofile/IconScanner.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <vector>

#include "icofile/FileHandle.h"
#include "icofile/IcoFormat.h"
#include "icofile/IcoResult.h"

namespace pictavo {
namespace {

constexpr std::size_t kSignatureLength = kIconSignature.size();
constexpr std::size_t kLookahead = kSignatureLength - 1;

ScanOutcome unreadable(IcoState& ico, const std::string& path, int err) {
  ico.iconCount = 0;
  return {ScanStatus::Unreadable, describeFileError("Could not read", path, err)};
}

ScanOutcome refused(IcoState& ico, const std::string& path, const RegularFileOpening& opening) {
  ico.iconCount = 0;
  return {ScanStatus::Unreadable, whyNotOpened(path, opening)};
}

enum class SearchEnd { Done, Cancelled, Full };

// Starts to look at in `filled` bytes that end the data: the final 13 have no
// room after them for a whole header.
std::size_t startsIn(std::size_t filled) { return filled > kLookahead ? filled - kLookahead : 0; }

class Scan {
 public:
  Scan(IcoState& ico, const ScanProgress& progress, std::int64_t length)
      : ico_(ico), progress_(progress), length_(length) {}

  // Looks at every start in data[0, starts) (file offset `base`; data holds 13
  // bytes more), reporting each record as its first start comes up, so a
  // cancel takes effect before that record, keeping every header begun earlier.
  SearchEnd searchReporting(const std::uint8_t* data, std::size_t starts, std::int64_t base) {
    std::size_t from = 0;
    while (from < starts) {
      const std::int64_t record = (base + std::int64_t(from)) / kScanRecordSize + 1;
      if (record > lastReported_) {
        lastReported_ = record;
        if (progress_ && !progress_(std::min(100.0, scanProgressPercent(record, length_))))
          return SearchEnd::Cancelled;
      }
      const std::size_t to = std::min<std::size_t>(starts, std::size_t(record * kScanRecordSize - base));
      if (!search(data + from, to - from, base + std::int64_t(from))) return SearchEnd::Full;
      from = to;
    }
    return SearchEnd::Done;
  }

  // The outcome once the search has ended; a search that ran to the end still
  // begins the last records, which may be too short to hold a header.
  ScanOutcome finish(SearchEnd end, const std::string& source) {
    switch (end) {
      case SearchEnd::Cancelled: return {ScanStatus::Cancelled, {}};
      case SearchEnd::Full:
        return {ScanStatus::ListFull, "Only the first " + std::to_string(ico_.iconCount) +
                                          " icons found in " + source + " are listed"};
      case SearchEnd::Done: break;
    }
    if (!reportRemainingRecords()) return {ScanStatus::Cancelled, {}};
    return {ScanStatus::Completed, {}};
  }

 private:
  bool reportRemainingRecords() {
    const std::int64_t records = (length_ + kScanRecordSize - 1) / kScanRecordSize;
    for (std::int64_t r = lastReported_ + 1; r <= records; ++r) {
      lastReported_ = r;
      if (progress_ && !progress_(std::min(100.0, scanProgressPercent(r, length_)))) return false;
    }
    return true;
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

  // False for a header that cannot be listed: the list is then known to be short.
  bool record(std::int64_t position) {
    std::int64_t rec = position / kScanRecordSize + 1;
    if (rec > std::numeric_limits<std::int32_t>::max() || ico_.iconCount == kMaxFoundIcons) return false;
    int n = ico_.iconCount;
    ico_.iconRecord[n] = static_cast<std::int32_t>(rec);
    ico_.iconOffset[n] = static_cast<std::int32_t>(position % kScanRecordSize);
    ico_.iconCount = n + 1;
    return true;
  }

  IcoState& ico_;
  const ScanProgress& progress_;
  std::int64_t length_;
  std::int64_t lastReported_ = 0;
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
  RegularFileOpening opening;
  FileHandle file = openForReading(path, &opening);
  if (!file) return refused(ico, path, opening);
  struct stat st {};
  if (::fstat(::fileno(file.get()), &st) != 0) return unreadable(ico, path, errno);
  const auto length = static_cast<std::uint64_t>(st.st_size);

  const std::size_t chunk =
      static_cast<std::size_t>(std::max(1, options.chunkRecords)) * kScanRecordSize;
  std::vector<std::uint8_t> buffer(chunk + kLookahead);
  Scan scan(ico, progress, static_cast<std::int64_t>(length));
  std::size_t carried = 0;  // tail of the previous block, still to be looked at
  std::int64_t base = 0;    // file offset of buffer[0]

  // Only the length measured at the start is scanned, even if the file grows meanwhile.
  for (std::uint64_t read = 0; read < length;) {
    const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(chunk, length - read));
    const std::size_t got = std::fread(buffer.data() + carried, 1, wanted, file.get());
    read += got;
    if (got < wanted && std::ferror(file.get())) return unreadable(ico, path, errno);
    const bool last = got < wanted || read >= length;
    const std::size_t filled = carried + got;
    const std::size_t starts = startsIn(filled);
    const SearchEnd end = scan.searchReporting(buffer.data(), starts, base);
    if (end != SearchEnd::Done || last) return scan.finish(end, path);
    carried = filled - starts;
    std::memmove(buffer.data(), buffer.data() + starts, carried);
    base += static_cast<std::int64_t>(starts);
  }
  return scan.finish(SearchEnd::Done, path);
}

ScanOutcome scanIconsInMemory(IcoState& ico, const std::uint8_t* data, std::size_t size,
                              const ScanProgress& progress) {
  ico.iconCount = 0;
  Scan scan(ico, progress, static_cast<std::int64_t>(size));
  return scan.finish(scan.searchReporting(data, startsIn(size), 0), "the data in memory");
}

}  // namespace pictavo
