#include "picture/EmfForConversion.h"

#include "picture/PictureBytes.h"

namespace pictavo {
namespace {

constexpr std::uint32_t kExtCreateFontW = 82, kExtTextOutA = 83, kExtTextOutW = 84, kPolyTextOutA = 96,
                        kPolyTextOutW = 97, kSmallTextOut = 108;
constexpr std::size_t kFaceNameAt = 40, kFaceNameUnits = 32;  // in EXTCREATEFONTINDIRECTW
constexpr std::uint32_t kNoRect = 0x100, kSmallChars = 0x200;  // SMALLTEXTOUT options
constexpr std::size_t kEmrTextBytes = 40;

struct Bytes {
  std::uint8_t* data;
  std::size_t size;
  PictureBytes view() const { return {data, size}; }
  void put16(std::size_t at, std::uint16_t v) { data[at] = v & 0xFF, data[at + 1] = static_cast<std::uint8_t>(v >> 8); }
  void put32(std::size_t at, std::uint32_t v) {
    put16(at, v & 0xFFFF), put16(at + 2, static_cast<std::uint16_t>(v >> 16));
  }
};

bool unwantedControl(unsigned c) { return c < 0x20 && c != '\t' && c != '\n' && c != '\r'; }
bool highSurrogate(unsigned c) { return c >= 0xD800 && c <= 0xDBFF; }
bool lowSurrogate(unsigned c) { return c >= 0xDC00 && c <= 0xDFFF; }
bool markup(unsigned c) { return c == '"' || c == '\'' || c == '<' || c == '>' || c == '&'; }

// `attribute`: the library writes this text as an attribute value, where markup breaks it too.
void cleanWide(Bytes& b, std::size_t at, std::size_t count, bool attribute = false) {
  const PictureBytes v = b.view();
  const auto unit = [&](std::size_t i) -> unsigned { return i < count ? v.u16(at + 2 * i) : 0u; };
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned c = unit(i);
    const bool paired =
        highSurrogate(c) ? lowSurrogate(unit(i + 1)) : lowSurrogate(c) && i > 0 && highSurrogate(unit(i - 1));
    const bool closesCdata = c == '>' && i >= 2 && unit(i - 1) == ']' && unit(i - 2) == ']';
    if (unwantedControl(c) || c == 0xFFFE || c == 0xFFFF || closesCdata || (attribute && markup(c)) ||
        ((highSurrogate(c) || lowSurrogate(c)) && !paired))
      b.put16(at + 2 * i, 0xFFFD);
  }
}

void cleanNarrow(Bytes& b, std::size_t at, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    std::uint8_t& c = b.data[at + i];
    if (unwantedControl(c) || (c == '>' && i >= 2 && b.data[at + i - 1] == ']' && b.data[at + i - 2] == ']')) c = '?';
  }
}

void cleanText(Bytes& b, std::size_t record, std::size_t recordBytes, std::size_t offset, std::size_t count,
               bool wide) {
  const std::size_t bytes = wide ? 2 * count : count;
  if (offset > recordBytes || bytes > recordBytes - offset) return;
  if (wide)
    cleanWide(b, record + offset, count);
  else
    cleanNarrow(b, record + offset, count);
}

// An EMRTEXT structure at `at` whose string offset counts from the record's start.
void cleanEmrText(Bytes& b, std::size_t record, std::size_t recordBytes, std::size_t at, bool wide) {
  if (at + kEmrTextBytes > record + recordBytes) return;
  const PictureBytes v = b.view();
  cleanText(b, record, recordBytes, v.u32(at + 12), v.u32(at + 8), wide);
}

void cleanRecord(Bytes& b, std::size_t at, std::size_t bytes) {
  const PictureBytes v = b.view();
  const std::uint32_t type = v.u32(at);
  if (type == kExtCreateFontW && bytes >= kFaceNameAt + 2 * kFaceNameUnits) {
    std::size_t length = 0;
    while (length < kFaceNameUnits && v.u16(at + kFaceNameAt + 2 * length) != 0) ++length;
    cleanWide(b, at + kFaceNameAt, length, true);
  }
  if ((type == kExtTextOutA || type == kExtTextOutW) && bytes >= 36 + kEmrTextBytes)
    cleanEmrText(b, at, bytes, at + 36, type == kExtTextOutW);
  if ((type == kPolyTextOutA || type == kPolyTextOutW) && bytes >= 40)
    for (std::size_t i = 0, n = v.u32(at + 36); i < n && 40 + (i + 1) * kEmrTextBytes <= bytes; ++i)
      cleanEmrText(b, at, bytes, at + 40 + i * kEmrTextBytes, type == kPolyTextOutW);
  if (type == kSmallTextOut && bytes >= 36) {
    const std::uint32_t options = v.u32(at + 20);
    cleanText(b, at, bytes, options & kNoRect ? 36 : 52, v.u32(at + 16), !(options & kSmallChars));
  }
}

}  // namespace

void prepareEmfForConversion(std::uint8_t* data, std::size_t size) {
  Bytes b{data, size};
  const PictureBytes v = b.view();
  if (!v.has(0, 88) || v.u32(0) != 1) return;
  b.put32(60, 0), b.put32(64, 0);  // description length and offset
  const std::size_t headerBytes = v.u32(4);
  for (std::size_t at = headerBytes; v.has(at, 8);) {
    const std::size_t bytes = v.u32(at + 4);
    if (bytes < 8 || bytes % 4 || !v.has(at, bytes)) return;
    cleanRecord(b, at, bytes);
    at += bytes;
  }
}

}  // namespace pictavo
