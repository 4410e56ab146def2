#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "picture/EmfForConversion.h"
#include "picture/PictureBytes.h"

using namespace pictavo;
using Bytes = std::vector<std::uint8_t>;
using Units = std::vector<std::uint16_t>;

namespace {

void put16(Bytes& b, std::size_t at, std::uint16_t v) {
  b[at] = v & 0xFF;
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(Bytes& b, std::size_t at, std::size_t v) {
  put16(b, at, v & 0xFFFF);
  put16(b, at + 2, static_cast<std::uint16_t>(v >> 16));
}

// An EMF header with a description, then one record of `type` whose text
// (16-bit units, or bytes when `narrow`) starts `textAt` bytes into it.
Bytes emfWithText(std::uint32_t type, std::size_t textAt, const Units& text, bool narrow,
                  std::uint32_t smallOptions = 0) {
  Bytes b(88 + 8, 0);
  put32(b, 0, 1), put32(b, 4, 96), put32(b, 40, 0x464D4520), put32(b, 60, 4), put32(b, 64, 88);
  const std::size_t record = b.size(), bytes = (textAt + text.size() * (narrow ? 1 : 2) + 3) / 4 * 4;
  b.resize(record + bytes, 0);
  put32(b, record, type), put32(b, record + 4, bytes);
  const bool poly = type == 96 || type == 97;
  if (type == 108) {
    put32(b, record + 16, text.size());
    put32(b, record + 20, smallOptions);
  } else if (type != 82) {  // an EMRTEXT: character count and string offset
    if (poly) put32(b, record + 36, 1);
    put32(b, record + (poly ? 40 : 36) + 8, text.size());
    put32(b, record + (poly ? 40 : 36) + 12, textAt);
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (narrow) b[record + textAt + i] = static_cast<std::uint8_t>(text[i]);
    else put16(b, record + textAt + 2 * i, text[i]);
  }
  return b;
}

Units textOf(const Bytes& b, std::size_t textAt, std::size_t count, bool narrow) {
  const PictureBytes v{b.data(), b.size()};
  Units out;
  for (std::size_t i = 0; i < count; ++i) out.push_back(narrow ? v.u8(96 + textAt + i) : v.u16(96 + textAt + 2 * i));
  return out;
}

}  // namespace

TEST(EmfForConversion, TextXmlCannotHoldIsReplaced) {
  constexpr std::uint16_t R = 0xFFFD;
  struct Case {
    std::uint32_t type;
    std::size_t textAt;
    bool narrow;
    std::uint32_t smallOptions;
    Units text, cleaned;
  } cases[] = {
      {84, 76, false, 0, {'a', 0x01, '\t', '\n', 'b'}, {'a', R, '\t', '\n', 'b'}},
      {84, 76, false, 0, {']', ']', '>', '>', '<', '&'}, {']', ']', R, '>', '<', '&'}},
      {84, 76, false, 0, {0xFFFE, 0xFFFF, 0xD83D, 0xDE00, 0xDC00, 0xD800}, {R, R, 0xD83D, 0xDE00, R, R}},
      {83, 76, true, 0, {'a', 0x1B, ']', ']', '>', 0xE9}, {'a', '?', ']', ']', '?', 0xE9}},
      {97, 80, false, 0, {'x', 0x7, 0xFFFE}, {'x', R, R}},
      {108, 52, false, 0, {'y', 0x2}, {'y', R}},       // with its clipping rectangle
      {108, 36, true, 0x300, {'z', 0x3}, {'z', '?'}},  // without it, 8-bit characters
  };
  for (const Case& c : cases) {
    Bytes file = emfWithText(c.type, c.textAt, c.text, c.narrow, c.smallOptions);
    prepareEmfForConversion(file.data(), file.size());
    EXPECT_EQ(textOf(file, c.textAt, c.text.size(), c.narrow), c.cleaned) << &c - cases;
  }
}

TEST(EmfForConversion, DescriptionIsBlankedAndDamagedRecordsLeftAlone) {
  const Units hostile = {0x01, 0xFFFE};
  Bytes file = emfWithText(84, 76, hostile, false);
  Bytes outOfRecord = file;
  put32(outOfRecord, 96 + 36 + 12, 1000);  // string offset past the record's end
  Bytes lastRecordCut = file;
  lastRecordCut.resize(lastRecordCut.size() - 4);
  for (Bytes* damaged : {&outOfRecord, &lastRecordCut}) {
    prepareEmfForConversion(damaged->data(), damaged->size());
    EXPECT_EQ(textOf(*damaged, 76, 2, false), hostile);
  }
  prepareEmfForConversion(file.data(), file.size());
  const PictureBytes v{file.data(), file.size()};
  EXPECT_EQ(v.u32(60), 0u);
  EXPECT_EQ(v.u32(64), 0u);
}

TEST(EmfForConversion, FontNamesLoseWhatBreaksAnAttribute) {
  Units name = {'A', '"', '<', '&', 0xFFFE, 'b', 0, '<'};
  name.resize(32, 0);
  Bytes file = emfWithText(82, 40, name, false);
  prepareEmfForConversion(file.data(), file.size());
  EXPECT_EQ(textOf(file, 40, 8, false), Units({'A', 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD, 'b', 0, '<'}));
}
