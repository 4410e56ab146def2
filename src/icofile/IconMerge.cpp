#include "icofile/IconMerge.h"

#include <algorithm>

#include "canvas/Canvas.h"
#include "icofile/BmpImage.h"
#include "icofile/IcoDirectory.h"
#include "icofile/IcoFormat.h"

namespace pictavo {
namespace {

constexpr int kMaxEntries = 65535;

void put32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = std::uint8_t(v >> (8 * i));
}

Merge unmergeable(std::string problem) {
  Merge m;
  m.status = MergeStatus::Unmergeable;
  m.problem = std::move(problem);
  return m;
}

bool isThirtyTwoSquareOf(ByteSource& in, const IcoEntry& e, int bits) {
  const auto head = in.readUpTo(e.offset, std::min<std::size_t>(e.size, kImageHeaderSize));
  const auto layout = bmpIconLayout(head.data(), head.size());
  return layout && layout->width == kGridSize && layout->height == kGridSize && layout->bits == bits;
}

// Which old entry the new image replaces, or the entry count to add it.
std::size_t placeFor(ByteSource& in, const std::vector<IcoEntry>& entries, std::int64_t replaceOffset,
                     int newBits) {
  for (std::size_t n = 0; n < entries.size(); ++n)
    if (replaceOffset >= 0 && entries[n].offset == replaceOffset) return n;
  for (std::size_t n = 0; n < entries.size(); ++n)
    if (isThirtyTwoSquareOf(in, entries[n], newBits)) return n;
  return entries.size();
}

}  // namespace

Merge mergeIconImage(ByteSource& target, const std::vector<std::uint8_t>& newIcon, std::int64_t replaceOffset) {
  const IcoDirectory directory = readIcoDirectory(target);
  if (directory.status == IcoDirectoryStatus::NotIco || directory.type != 1) return {};
  if (directory.status == IcoDirectoryStatus::Damaged) return unmergeable(directory.problem);
  if (target.size() > kLargestMergedFile) return unmergeable("it is too large for an icon file");
  std::vector<IcoEntry> entries = directory.entries;
  for (std::size_t n = 0; n < entries.size(); ++n)
    if (!entries[n].inFile) return unmergeable("image " + std::to_string(n) + " lies outside the file");
  if (newIcon.size() <= std::size_t(kFileHeaderSize)) return unmergeable("the new icon is incomplete");

  IcoEntry fresh;
  std::copy_n(newIcon.begin() + kIcoHeaderSize, kIcoEntrySize, fresh.raw.begin());
  const std::size_t place = placeFor(target, entries, replaceOffset, newIcon[kDirectorySize + 14]);
  Merge m;
  m.replaced = place < entries.size();
  if (!m.replaced && entries.size() >= std::size_t(kMaxEntries))
    return unmergeable("it already holds " + std::to_string(kMaxEntries) + " images");
  if (m.replaced)
    entries[place] = fresh;
  else
    entries.push_back(fresh);

  const std::size_t count = entries.size();
  std::vector<std::uint8_t>& out = m.bytes;
  out = {0, 0, 1, 0, std::uint8_t(count & 0xFF), std::uint8_t(count >> 8)};
  out.resize(kIcoHeaderSize + kIcoEntrySize * count);
  for (std::size_t n = 0; n < count; ++n) {
    std::uint8_t* entry = &out[kIcoHeaderSize + kIcoEntrySize * n];
    std::copy(entries[n].raw.begin(), entries[n].raw.end(), entry);
    put32(entry + 12, std::uint32_t(out.size()));
    if (n == place) {  // an added image's place is the new last entry
      m.imageIndex = int(n);
      m.imageOffset = std::int64_t(out.size());
      out.insert(out.end(), newIcon.begin() + kDirectorySize, newIcon.end());
      continue;
    }
    const std::size_t at = out.size();
    out.resize(at + entries[n].size);
    if (!target.read(entries[n].offset, &out[at], entries[n].size)) return unmergeable("it cannot be read");
    ++m.kept;
  }
  m.status = MergeStatus::Merged;
  return m;
}

Merge mergeIconImage(const std::uint8_t* target, std::size_t size, const std::vector<std::uint8_t>& newIcon,
                     std::int64_t replaceOffset) {
  ByteSource in = ByteSource::inMemory(target, size);
  return mergeIconImage(in, newIcon, replaceOffset);
}

}  // namespace pictavo
