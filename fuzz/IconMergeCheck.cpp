// Save into any existing file with the box ticked: a sound icon file must take
// the new image and keep every other one; anything else is refused untouched.
#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

#include "FuzzTargets.h"
#include "icofile/BmpImage.h"
#include "icofile/ColourReduction.h"
#include "icofile/IcoDirectory.h"
#include "icofile/IcoFormat.h"
#include "icofile/IcoWriter.h"
#include "icofile/IconImages.h"
#include "icofile/IconMerge.h"

namespace pictavo::fuzz {
namespace {

using Bytes = std::vector<std::uint8_t>;

// One new icon at each depth the program writes.
const std::array<Bytes, 3>& newIcons() {
  static const std::array<Bytes, 3> icons = [] {
    Canvas canvas;
    for (int i = 0; i < kCellCount; ++i)
      canvas.cells()[i] = {Colour((i * 2654435761u) & 0xFFFFFF), std::int16_t(i % 11 == 0)};
    IcoState ico;
    copySourceColours(ico, canvas);
    prepare16(ico, canvas);
    prepare256(ico, canvas, kCellCount);
    return std::array<Bytes, 3>{encodeIcon16(ico, canvas), encodeIcon256(ico, canvas), encodeIcon24(canvas)};
  }();
  return icons;
}

IcoDirectory directoryOf(const std::uint8_t* data, std::size_t size) {
  ByteSource in = ByteSource::inMemory(data, size);
  return readIcoDirectory(in);
}

// The listed image of each directory entry (the listing keeps directory order).
std::vector<std::optional<IconImage>> imagePerEntry(const IcoDirectory& d, const std::uint8_t* data, std::size_t size) {
  const ImageList list = listIconImages(data, size);
  std::vector<std::optional<IconImage>> out(d.entries.size());
  std::size_t k = 0;
  for (std::size_t n = 0; n < d.entries.size() && k < list.images.size(); ++n)
    if (list.images[k].offset == d.entries[n].offset && list.images[k].size == d.entries[n].size)
      out[n] = list.images[k++];
  return out;
}

bool sameImage(const std::optional<IconImage>& a, const std::optional<IconImage>& b) {
  if (!a || !b) return !a && !b;
  return a->width == b->width && a->height == b->height && a->bitCount == b->bitCount && a->kind == b->kind &&
         a->size == b->size;
}

bool sameBytes(const std::uint8_t* a, const std::uint8_t* b, std::size_t n) { return std::memcmp(a, b, n) == 0; }

bool isThirtyTwoSquare(const IcoEntry& e, const std::uint8_t* data) {
  const auto layout = bmpIconLayout(data + e.offset, std::min<std::size_t>(e.size, kImageHeaderSize));
  return layout && layout->width == kGridSize && layout->height == kGridSize;
}

std::string checkNewImage(const Merge& m, const IcoDirectory& after, const Bytes& icon, std::size_t count) {
  if (m.imageIndex < 0 || std::size_t(m.imageIndex) >= count) return "new image's index out of range";
  const IcoEntry& e = after.entries[std::size_t(m.imageIndex)];
  const std::size_t length = icon.size() - kDirectorySize;
  if (!sameBytes(e.raw.data(), &icon[kIcoHeaderSize], 12) || e.offset != m.imageOffset || e.size != length ||
      !sameBytes(&m.bytes[e.offset], &icon[kDirectorySize], length))
    return "new image not written as the writer made it";
  return "";
}

std::string checkMerged(const Merge& m, const IcoDirectory& before, const std::uint8_t* data, std::size_t size,
                        const Bytes& icon, std::int64_t replaceOffset) {
  const IcoDirectory after = directoryOf(m.bytes.data(), m.bytes.size());
  const std::size_t count = before.entries.size() + (m.replaced ? 0 : 1);
  if (after.status != IcoDirectoryStatus::Read || after.type != 1 || after.entries.size() != count)
    return "merged directory unreadable or miscounted";
  std::int64_t end = kIcoHeaderSize + std::int64_t(kIcoEntrySize) * std::int64_t(count);
  for (const IcoEntry& e : after.entries) {
    if (!e.inFile || e.offset != end) return "merged images not laid out one after another";
    end += e.size;
  }
  if (end != std::int64_t(m.bytes.size())) return "merged file longer than its images";
  std::string problem = checkNewImage(m, after, icon, count);
  if (!problem.empty()) return problem;
  // Only a 32 x 32 image the canvas came from is replaced; any other stays.
  const auto match = std::find_if(before.entries.begin(), before.entries.end(), [&](const IcoEntry& e) {
    return e.offset == replaceOffset && isThirtyTwoSquare(e, data);
  });
  const int expectedIndex = match != before.entries.end() ? int(match - before.entries.begin()) : m.imageIndex;
  if (m.imageIndex != expectedIndex || m.replaced != (std::size_t(m.imageIndex) < before.entries.size()))
    return "new image not in the place asked for";
  if (m.kept != int(count) - 1) return "kept count wrong";
  const auto listedBefore = imagePerEntry(before, data, size);
  const auto listedAfter = imagePerEntry(after, m.bytes.data(), m.bytes.size());
  for (std::size_t n = 0; n < before.entries.size(); ++n) {
    if (int(n) == m.imageIndex) continue;
    const IcoEntry &was = before.entries[n], &is = after.entries[n];
    if (!sameBytes(was.raw.data(), is.raw.data(), 12) || !sameBytes(&data[was.offset], &m.bytes[is.offset], was.size))
      return "old image " + std::to_string(n) + " not kept byte for byte";
    if (!sameImage(listedBefore[n], listedAfter[n])) return "old image " + std::to_string(n) + " lists differently";
  }
  const auto& fresh = listedAfter[std::size_t(m.imageIndex)];
  if (!fresh || fresh->width != kGridSize || fresh->height != kGridSize || fresh->bitCount != icon[kDirectorySize + 14])
    return "new image not listed as a 32 x 32 image of its depth";
  return "";
}

}  // namespace

std::string checkIconMerge(const std::uint8_t* data, std::size_t size) {
  const Bytes& icon = newIcons()[size % 3];
  const IcoDirectory before = directoryOf(data, size);
  // Saving back to the file replaces the image it came from: try each entry's offset, and none.
  const std::size_t pick = size ? data[size - 1] % (before.entries.size() + 1) : 0;
  const std::int64_t replaceOffset = pick < before.entries.size() ? std::int64_t(before.entries[pick].offset) : -1;
  const Merge m = mergeIconImage(data, size, icon, replaceOffset);

  const bool isIco = before.status != IcoDirectoryStatus::NotIco && before.type == 1;
  const bool sound = before.status == IcoDirectoryStatus::Read &&
                     std::all_of(before.entries.begin(), before.entries.end(), [](const IcoEntry& e) { return e.inFile; });
  if (!isIco) return m.status == MergeStatus::NotIco ? "" : "a file that is no icon merged or refused as one";
  if (!sound) return m.status == MergeStatus::Unmergeable ? "" : "an unsound icon file not refused";
  if (m.status != MergeStatus::Merged)
    return before.entries.size() >= 65535 ? "" : "a sound icon file refused: " + m.problem;
  if (!m.bytes.empty() && m.problem.empty()) return checkMerged(m, before, data, size, icon, replaceOffset);
  return "merged without bytes, or with a problem";
}

}  // namespace pictavo::fuzz
