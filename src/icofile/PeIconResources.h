#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "icofile/ByteSource.h"

namespace pictavo {

// Where one icon resource's data lies in the file.
struct DataRange {
  std::int64_t offset = 0;
  std::int64_t size = 0;
};

enum class PeStatus {
  NotPe,    // no MZ and PE headers
  Damaged,  // a PE file whose section or resource tables cannot be followed safely
  Read,     // icons lists every RT_ICON resource (possibly none)
};

struct PeIcons {
  PeStatus status = PeStatus::NotPe;
  std::vector<DataRange> icons;  // in resource directory order: by id, then language
  std::string problem;           // for Damaged, without the file's name
};

constexpr int kMaxPeIcons = 4096;

// Lists the RT_ICON resources of a Windows executable or DLL (PE32 or PE32+).
// Every offset followed must lie inside the file and its resource section; a
// tree with more than kMaxPeIcons icons or too many entries overall is
// Damaged, so the work stays bounded whatever the file holds.
PeIcons readPeIconResources(ByteSource& in);

}  // namespace pictavo
