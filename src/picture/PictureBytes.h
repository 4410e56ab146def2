#pragma once
#include <cstddef>
#include <cstdint>

namespace pictavo {

// A read-only view of a picture file's bytes, with bounds-checked little-endian reads.
struct PictureBytes {
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;

  bool has(std::size_t offset, std::size_t count) const { return offset <= size && count <= size - offset; }
  std::uint8_t u8(std::size_t at) const { return data[at]; }
  std::uint16_t u16(std::size_t at) const { return static_cast<std::uint16_t>(data[at] | data[at + 1] << 8); }
  std::uint32_t u32(std::size_t at) const { return u16(at) | static_cast<std::uint32_t>(u16(at + 2)) << 16; }
  std::int16_t i16(std::size_t at) const { return static_cast<std::int16_t>(u16(at)); }
  std::int32_t i32(std::size_t at) const { return static_cast<std::int32_t>(u32(at)); }
};

}  // namespace pictavo
