#pragma once
#include <array>
#include <cstdint>

#include "canvas/Canvas.h"

namespace pictavo {

// A value for each colour of one canvas (at most one colour per cell), by open
// addressing: a lookup costs a probe or two where a sort or a list search
// would cost a pass over the colours.
template <typename Value>
class ColourTable {
 public:
  // The value kept for `c`; the first time `c` comes up it is Value{} and
  // `fresh`, when given, is set true.
  Value& at(Colour c, bool* fresh = nullptr) {
    std::uint32_t slot = (static_cast<std::uint32_t>(c) * 2654435761u) >> (32 - kBits);
    while (used_[slot] && keys_[slot] != c) slot = (slot + 1) & (kSlots - 1);
    if (fresh) *fresh = !used_[slot];
    if (!used_[slot]) {
      used_[slot] = true;
      keys_[slot] = c;
      ++size_;
    }
    return values_[slot];
  }
  int size() const { return size_; }

 private:
  static constexpr int kBits = 11;
  static constexpr std::uint32_t kSlots = 1u << kBits;  // twice the cells: probes stay short
  static_assert(kSlots >= 2 * kCellCount);
  std::array<bool, kSlots> used_{};
  std::array<Colour, kSlots> keys_{};
  std::array<Value, kSlots> values_{};
  int size_ = 0;
};

// Distinct colours among one canvas's worth of values.
template <typename Colours>
int countDistinctColours(const Colours& colours) {
  static_assert(std::tuple_size<Colours>::value <= kCellCount);
  ColourTable<bool> seen;
  for (Colour c : colours) seen.at(c);
  return seen.size();
}

}  // namespace pictavo
