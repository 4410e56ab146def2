#include "icofile/IcoDirectory.h"

#include <algorithm>

namespace pictavo {
namespace {

std::uint32_t le32(const std::uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }

IcoDirectory damaged(int type, std::string problem) {
  IcoDirectory d;
  d.status = IcoDirectoryStatus::Damaged;
  d.type = type;
  d.problem = std::move(problem);
  return d;
}

}  // namespace

IcoDirectory readIcoDirectory(ByteSource& in) {
  std::uint8_t head[kIcoHeaderSize];
  if (!in.read(0, head, 4) || head[0] != 0 || head[1] != 0 || head[3] != 0 || (head[2] != 1 && head[2] != 2))
    return {};
  const int type = head[2];
  if (!in.read(4, head + 4, 2)) return damaged(type, "it ends before its image count");
  const int count = head[4] | head[5] << 8;
  if (count == 0) return damaged(type, "its directory lists no images");
  const std::int64_t directoryEnd = kIcoHeaderSize + std::int64_t(kIcoEntrySize) * count;
  std::vector<std::uint8_t> raw(std::size_t(directoryEnd - kIcoHeaderSize));
  if (!in.read(kIcoHeaderSize, raw.data(), raw.size()))
    return damaged(type, "its directory of " + std::to_string(count) + " images runs past the end");
  IcoDirectory d;
  d.status = IcoDirectoryStatus::Read;
  d.type = type;
  d.entries.resize(std::size_t(count));
  for (std::size_t n = 0; n < d.entries.size(); ++n) {
    IcoEntry& e = d.entries[n];
    std::copy_n(raw.begin() + std::ptrdiff_t(n * kIcoEntrySize), kIcoEntrySize, e.raw.begin());
    e.size = le32(&e.raw[8]);
    e.offset = le32(&e.raw[12]);
    e.inFile = e.size > 0 && e.offset >= directoryEnd && std::int64_t(e.offset) + e.size <= in.size();
  }
  return d;
}

}  // namespace pictavo
