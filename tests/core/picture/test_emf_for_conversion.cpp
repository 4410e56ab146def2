#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "picture/EmfForConversion.h"
#include "picture/PictureBytes.h"

using namespace pictavo;
using Bytes = std::vector<std::uint8_t>;
using Units = std::vector<std::uint16_t>;

static void put32(Bytes& b, std::size_t at, std::size_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// An EMF header with a description, then one record of `type` whose text (16-bit
// units, or bytes when `narrow`) starts `textAt` bytes into it, with its count
// and offset where the record type keeps them.
static Bytes emfWithText(std::uint32_t type, std::size_t textAt, const Units& text, bool narrow, std::uint32_t options) {
  Bytes b(96, 0);
  put32(b, 0, 1), put32(b, 4, 96), put32(b, 40, 0x464D4520), put32(b, 60, 4), put32(b, 64, 88);
  const std::size_t bytes = std::max<std::size_t>(104, (textAt + text.size() * 2 + 3) / 4 * 4);  // fits a font record
  b.resize(96 + bytes, 0);
  put32(b, 96, type), put32(b, 100, bytes);
  const std::size_t emrText = type == 96 || type == 97 ? 136 : 132;
  if (type == 108) put32(b, 112, text.size()), put32(b, 116, options);
  if (type != 108 && type != 82)  // a POLYTEXTOUT's string count, then the EMRTEXT's
    put32(b, 132, 1), put32(b, emrText + 8, text.size()), put32(b, emrText + 12, textAt);
  for (std::size_t i = 0; i < text.size(); ++i)
    for (std::size_t byte = 0; byte < (narrow ? 1u : 2u); ++byte)
      b[96 + textAt + (narrow ? i : 2 * i) + byte] = static_cast<std::uint8_t>(text[i] >> (8 * byte));
  return b;
}

TEST(EmfForConversion, TextXmlCannotHoldIsReplacedAndTheDescriptionBlanked) {
  constexpr std::uint16_t R = 0xFFFD;
  struct Case {
    std::uint32_t type;
    std::size_t textAt;
    bool narrow;
    std::uint32_t options;
    Units text, cleaned;
  } cases[] = {
      {84, 76, false, 0, {'a', 0x01, '\t', '\n', 'b'}, {'a', R, '\t', '\n', 'b'}},
      {84, 76, false, 0, {']', ']', '>', '>', '<', '&'}, {']', ']', R, '>', '<', '&'}},
      {84, 76, false, 0, {0xFFFE, 0xFFFF, 0xD83D, 0xDE00, 0xDC00, 0xD800}, {R, R, 0xD83D, 0xDE00, R, R}},
      {83, 76, true, 0, {'a', 0x1B, ']', ']', '>', 0xE9}, {'a', '?', ']', ']', '?', 0xE9}},
      {97, 80, false, 0, {'x', 0x7, 0xFFFE}, {'x', R, R}},
      {108, 52, false, 0, {'y', 0x2}, {'y', R}},       // with its clipping rectangle
      {108, 36, true, 0x300, {'z', 0x3}, {'z', '?'}},  // without it, 8-bit characters
      // a font name is written as an attribute value; it ends at its first zero
      {82, 40, false, 0, {'A', '"', '<', '&', 0xFFFE, 'b', 0, '<'}, {'A', R, R, R, R, 'b', 0, '<'}},
  };
  for (const Case& c : cases) {
    Bytes file = emfWithText(c.type, c.textAt, c.text, c.narrow, c.options);
    prepareEmfForConversion(file.data(), file.size());
    const PictureBytes v{file.data(), file.size()};
    Units cleaned;
    for (std::size_t i = 0; i < c.text.size(); ++i)
      cleaned.push_back(c.narrow ? v.u8(96 + c.textAt + i) : v.u16(96 + c.textAt + 2 * i));
    EXPECT_EQ(cleaned, c.cleaned) << &c - cases;
    EXPECT_EQ(v.u32(60) | v.u32(64), 0u) << "description " << &c - cases;
  }
}
