#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "icofile/IcoState.h"

namespace pictavo {

// Called as the scan begins each record: the share of records begun, 0..100.
// Return false to cancel before that record. Called once per 4097 bytes, so
// it must be cheap (a window repaints only now and then, not on every call).
using ScanProgress = std::function<bool(double percent)>;

enum class ScanStatus {
  Completed,   // whole file scanned
  Cancelled,   // progress returned false; what was found before is kept
  ListFull,    // a header found that the list cannot hold (past kMaxFoundIcons entries or
               // record 2^31 - 1): the scan stopped there, every earlier entry kept
  Unreadable,  // the file could not be opened or read, or is not a regular file; list emptied
};

struct ScanOutcome {
  ScanStatus status = ScanStatus::Completed;
  // For Unreadable: names the file and the reason. For ListFull: that only the
  // entries listed are offered.
  std::string message;
};

struct ScanOptions {
  int chunkRecords = 256;  // records read per block (tests use small blocks)
};

// Share of records begun when record r (1-based) of a file of `length` bytes starts.
double scanProgressPercent(std::int64_t record, std::int64_t length);

// ScanIcons: lists every 32 x 32 image header that lies wholly inside the file
// `ico.openPath`, in file order, as record and offset. Memory use does not
// depend on the file's size.
ScanOutcome scanIcons(IcoState& ico, const ScanProgress& progress = {},
                      const ScanOptions& options = {});

// The same scan over a file's content already in memory: the same records,
// offsets, progress calls, cancelling and list limit as scanning a file that
// holds these bytes. ico.openPath is neither used nor changed.
ScanOutcome scanIconsInMemory(IcoState& ico, const std::uint8_t* data, std::size_t size,
                              const ScanProgress& progress = {});

}  // namespace pictavo
