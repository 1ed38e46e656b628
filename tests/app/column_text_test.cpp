#include "app/edit/column_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/page/text_cells.h"
#include "common/code_page.h"

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;

std::wstring Decoded(const Bytes& bytes, size_t block) {
  ColumnTextDecoder decoder;
  std::wstring text;
  for (size_t i = 0; i < bytes.size(); i += block) {
    decoder.Append(std::span(bytes).subspan(i, std::min(block, bytes.size() - i)), text);
  }
  decoder.Finish(text);
  return text;
}

// A byte the column shows on its own, as the converter gives it alone.
std::wstring Alone(uint8_t b) { return FromShiftJis(std::string(1, static_cast<char>(b))); }

TEST(ColumnText, PairsAreCharactersWhereverTheBlocksSplitThem) {
  // "A", then 0x82 0xA0 (あ), "B", 0x8A 0xBF (漢).
  const Bytes bytes{0x41, 0x82, 0xA0, 0x42, 0x8A, 0xBF};
  const std::wstring expected = L"A\u3042B\u6F22";
  for (const size_t block : {1u, 2u, 3u, 6u}) EXPECT_EQ(Decoded(bytes, block), expected) << block;
}

TEST(ColumnText, LoneLeadBytesAndNulsStandAlone) {
  // A lead byte followed by no trail byte is shown alone, and the next byte
  // is its own character again; a lead byte at the very end too. NUL is a
  // blank, CR and LF the box the column draws.
  const Bytes bytes{0x82, 0x20, 0x41, 0x00, 0x0D, 0x0A, 0x81};
  const std::wstring expected = Alone(0x82) + L" A " + kControlBox + kControlBox + Alone(0x81);
  for (const size_t block : {1u, 2u, 7u}) EXPECT_EQ(Decoded(bytes, block), expected) << block;
  EXPECT_EQ(Decoded({}, 4), L"");
}

// A copy never carries a control character, in any encoding: each is the
// column's dot with the option, else its box; NUL stays a blank.
TEST(ColumnText, ControlBytesAreWrittenAsTheColumnShowsThem) {
  const Bytes controls{0x01, 0x09, 0x0A, 0x0D, 0x1F, 0x7F};
  const struct {
    TextEncoding encoding;
    Bytes bytes;
  } cases[] = {
      {TextEncoding::ShiftJis, controls},
      {TextEncoding::Utf8, controls},
      {TextEncoding::Windows1252, controls},
      {TextEncoding::Utf16Le, {0x01, 0, 0x09, 0, 0x0A, 0, 0x0D, 0, 0x1F, 0, 0x7F, 0}},
      {TextEncoding::Utf16Be, {0, 0x01, 0, 0x09, 0, 0x0A, 0, 0x0D, 0, 0x1F, 0, 0x7F}},
  };
  for (const auto& c : cases) {
    for (const bool dots : {false, true}) {
      SCOPED_TRACE(testing::Message() << static_cast<int>(c.encoding) << (dots ? " dots" : ""));
      ColumnTextDecoder decoder(c.encoding, 0, dots);
      std::wstring text;
      decoder.Append(c.bytes, text);
      decoder.Finish(text);
      std::wstring expected;
      for (int i = 0; i < 6; ++i) expected += dots ? kControlCell : kControlBox;
      EXPECT_EQ(text, expected);
    }
  }
}

}  // namespace
}  // namespace vx
