#include "icofile/PeIconResources.h"

#include <stdexcept>

namespace pictavo {
namespace {

constexpr std::uint32_t kRtIcon = 3;
constexpr std::uint32_t kSubdirectory = 0x80000000u;
constexpr int kMaxEntriesVisited = 1 << 16;

// Thrown on anything that cannot be followed; turned into Damaged.
struct Unfollowable : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Section {
  std::uint32_t address, virtualSize, rawSize, rawOffset;
};

class PeReader {
 public:
  explicit PeReader(ByteSource& in) : in_(in) {}

  std::uint32_t u32(std::int64_t at) {
    std::uint8_t b[4];
    if (!in_.read(at, b, 4)) throw Unfollowable("a table runs past the end of the file");
    return b[0] | b[1] << 8 | b[2] << 16 | std::uint32_t(b[3]) << 24;
  }
  std::uint32_t u16(std::int64_t at) {
    std::uint8_t b[2];
    if (!in_.read(at, b, 2)) throw Unfollowable("a table runs past the end of the file");
    return b[0] | std::uint32_t(b[1]) << 8;
  }

  // The file offset of `size` bytes at relative virtual address `rva`, which
  // must lie in the file-backed part of one section.
  std::int64_t fileOffset(std::uint32_t rva, std::uint32_t size) const {
    for (const Section& s : sections_) {
      if (rva < s.address) continue;
      const std::uint64_t into = rva - s.address;
      if (into + size > s.rawSize) continue;
      const std::int64_t at = std::int64_t(s.rawOffset) + std::int64_t(into);
      if (at + std::int64_t(size) > in_.size()) throw Unfollowable("a resource lies past the end of the file");
      return at;
    }
    throw Unfollowable("a resource lies outside every section");
  }

  // The resource directory's RVA and size, or {0, 0} when there is none.
  std::pair<std::uint32_t, std::uint32_t> readHeaders() {
    const std::int64_t pe = u32(0x3C);
    const std::int64_t coff = pe + 4;
    const int sectionCount = int(u16(coff + 2));
    const std::int64_t optional = coff + 20;
    const std::uint32_t magic = u16(optional);
    if (magic != 0x10B && magic != 0x20B) throw Unfollowable("its optional header is neither PE32 nor PE32+");
    const std::int64_t directories = optional + (magic == 0x10B ? 96 : 112);
    const std::uint32_t directoryCount = u32(directories - 4);
    const std::int64_t table = optional + u16(coff + 16);
    for (int n = 0; n < sectionCount; ++n) {
      const std::int64_t at = table + 40 * std::int64_t(n);
      sections_.push_back({u32(at + 12), u32(at + 8), u32(at + 16), u32(at + 20)});
    }
    if (directoryCount <= 2) return {0, 0};
    return {u32(directories + 16), u32(directories + 20)};
  }

  // Entries of the directory at `at` (an offset into the resource section) as
  // (name or id, offset of the subdirectory or data entry) pairs.
  std::vector<std::pair<std::uint32_t, std::uint32_t>> entries(std::uint32_t at) {
    if (std::uint64_t(at) + 16 > rsrcSize_) throw Unfollowable("a resource directory lies outside its section");
    const std::uint64_t count = std::uint64_t(u16(rsrc_ + at + 12)) + u16(rsrc_ + at + 14);
    if (std::uint64_t(at) + 16 + 8 * count > rsrcSize_)
      throw Unfollowable("a resource directory's entries run outside its section");
    visited_ += int(count);
    if (visited_ > kMaxEntriesVisited) throw Unfollowable("its resource tree has too many entries");
    std::vector<std::pair<std::uint32_t, std::uint32_t>> out;
    for (std::uint64_t n = 0; n < count; ++n) {
      const std::int64_t e = rsrc_ + at + 16 + 8 * std::int64_t(n);
      out.push_back({u32(e), u32(e + 4)});
    }
    return out;
  }

  void setResources(std::int64_t offset, std::uint32_t size) { rsrc_ = offset, rsrcSize_ = size; }

  // The data entry at `at`: the resource's data as a file range.
  DataRange data(std::uint32_t at) {
    if (std::uint64_t(at) + 16 > rsrcSize_) throw Unfollowable("a resource data entry lies outside its section");
    const std::uint32_t rva = u32(rsrc_ + at), size = u32(rsrc_ + at + 4);
    return {fileOffset(rva, size), std::int64_t(size)};
  }

 private:
  ByteSource& in_;
  std::vector<Section> sections_;
  std::int64_t rsrc_ = 0;
  std::uint32_t rsrcSize_ = 0;
  int visited_ = 0;
};

bool isPe(ByteSource& in) {
  std::uint8_t mz[2], lfanew[4], sig[4];
  if (!in.read(0, mz, 2) || mz[0] != 'M' || mz[1] != 'Z' || !in.read(0x3C, lfanew, 4)) return false;
  const std::int64_t pe = lfanew[0] | lfanew[1] << 8 | lfanew[2] << 16 | std::int64_t(lfanew[3]) << 24;
  return in.read(pe, sig, 4) && sig[0] == 'P' && sig[1] == 'E' && sig[2] == 0 && sig[3] == 0;
}

// Type RT_ICON, then every name, then every language: each leaf one image.
void collectIcons(PeReader& pe, std::vector<DataRange>& icons) {
  for (const auto& [type, typeAt] : pe.entries(0)) {
    if (type != kRtIcon || !(typeAt & kSubdirectory)) continue;
    for (const auto& [name, nameAt] : pe.entries(typeAt & ~kSubdirectory)) {
      if (!(nameAt & kSubdirectory)) {
        icons.push_back(pe.data(nameAt));  // a language level is customary, not required
        continue;
      }
      for (const auto& [language, dataAt] : pe.entries(nameAt & ~kSubdirectory)) {
        if (dataAt & kSubdirectory) throw Unfollowable("its icon resources nest too deep");
        icons.push_back(pe.data(dataAt));
        if (icons.size() > std::size_t(kMaxPeIcons)) throw Unfollowable("it holds too many icon resources");
      }
    }
  }
}

}  // namespace

PeIcons readPeIconResources(ByteSource& in) {
  PeIcons result;
  if (!isPe(in)) return result;
  PeReader pe(in);
  try {
    const auto [rva, size] = pe.readHeaders();
    result.status = PeStatus::Read;
    if (size == 0) return result;
    pe.setResources(pe.fileOffset(rva, size), size);
    collectIcons(pe, result.icons);
  } catch (const Unfollowable& e) {
    result.status = PeStatus::Damaged;
    result.icons.clear();
    result.problem = e.what();
  }
  return result;
}

}  // namespace pictavo
