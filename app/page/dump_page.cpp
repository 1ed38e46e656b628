#include "app/page/dump_page.h"

#include <algorithm>
#include <cassert>

#include "app/page/text_cells.h"
#include "common/hex_digits.h"

namespace vx {
namespace {

constexpr int kSeparatorStep = 8;

// HexColumnsLeft + step x HexCellWidth - (HexCellWidth - 2 x FontSize + 3) / 2, less
// `shift`; the separator positions are whole numbers plus possibly one half.
int HexSeparatorX(const DisplaySettingsRecord& settings, int step, int shift) {
  return RoundHalfToEven(2 * (HexColumnsLeft(settings) + step * settings.HexCellWidth - shift) -
                         (settings.HexCellWidth - 2 * settings.FontSize + 3));
}

// TextColumnsLeft + step x TextCellWidth - (TextCellWidth - FontSize + 1) / 2, less
// `shift`.
int TextSeparatorX(const DisplaySettingsRecord& settings, int step, int shift) {
  return RoundHalfToEven(2 * (TextColumnsLeft(settings) + step * settings.TextCellWidth - shift) -
                         (settings.TextCellWidth - settings.FontSize + 1));
}

std::string HexByte(uint8_t b) { return {kHexDigits[b >> 4], kHexDigits[b & 0xF]}; }

constexpr int kShortAddressDigits = 8;

// `offset` in `count` hexadecimal digits, zero-padded. A row behind the end
// of a file just short of 4 GiB may lie past what 8 digits say: it gets
// blanks rather than an address that wrapped round to the file's start.
std::string HexAddress(int64_t offset, int count) {
  if (count < 16 && offset >> (4 * count) > 0) return std::string(static_cast<size_t>(count), ' ');
  std::string digits(static_cast<size_t>(count), '0');
  for (int i = count - 1; i >= 0 && offset > 0; --i, offset >>= 4) {
    digits[static_cast<size_t>(i)] = kHexDigits[offset & 0xF];
  }
  return digits;
}

}  // namespace

int RoundHalfToEven(int twice) {
  if (twice % 2 == 0) return twice / 2;
  const int below = (twice - 1) / 2;  // exact: twice - 1 is even
  return below % 2 == 0 ? below : below + 1;
}

int AddressDigits(int64_t file_size) {
  int digits = kShortAddressDigits;
  while (digits < 16 && file_size >> (4 * digits) > 0) ++digits;
  return digits;
}

DisplaySettingsRecord WithAddressColumnFor(const DisplaySettingsRecord& settings,
                                           int64_t file_size) {
  DisplaySettingsRecord widened = settings;
  widened.AddressWidth += (AddressDigits(file_size) - kShortAddressDigits) * settings.FontSize;
  return widened;
}

int HexColumnsLeft(const DisplaySettingsRecord& settings) {
  return settings.LeftMargin + settings.AddressWidth;
}

int TextColumnsLeft(const DisplaySettingsRecord& settings) {
  return HexColumnsLeft(settings) + settings.BytesPerLine * settings.HexCellWidth +
         settings.DumpTextGap;
}

int RowBoxRight(const DisplaySettingsRecord& settings) {
  return TextColumnsLeft(settings) + (settings.BytesPerLine + 1) * settings.TextCellWidth;
}

int32_t PageByteCount(const DisplaySettingsRecord& settings) {
  return settings.LinesPerPage * settings.BytesPerLine + 1;
}

DumpPage ComposePage(const DisplaySettingsRecord& settings, int64_t start,
                     std::span<const uint8_t> page_bytes, int64_t file_size,
                     const ShiftJisTables& tables, PageMedium medium,
                     const std::optional<ByteRange>& selected, const TextColumnReading& reading) {
  const int rows = settings.LinesPerPage;
  const int columns = settings.BytesPerLine;
  const int64_t cells = int64_t{rows} * columns;
  assert(page_bytes.size() >= static_cast<size_t>(cells + 1));

  DumpPage page;
  const int separators = columns / kSeparatorStep - 1;
  page.boxes.reserve(rows);
  page.lines.reserve(separators > 0 ? 2 * separators : 0);
  // Per row: a hex and a text cell per column, and the address.
  page.texts.reserve(static_cast<size_t>(rows) * (2 * columns + 1));

  // Colours follow the file line, not the screen row, so they scroll along.
  const int64_t first_line = start / columns;
  auto colour_index = [&](int row) { return static_cast<size_t>((first_line + row) % 4); };

  const int right = RowBoxRight(settings);
  for (int i = 0; i < rows; ++i) {
    page.boxes.push_back({0, settings.TopMargin + i * settings.LineHeight, right,
                          settings.TopMargin + (i + 1) * settings.LineHeight,
                          settings.BackColors[colour_index(i)]});
  }

  const int hex_left = HexColumnsLeft(settings);
  const int text_left = TextColumnsLeft(settings);
  // Seek positions (from 1) of the selection, clipped to the file.
  const int64_t selected_from = selected ? selected->first + 1 : 0;
  const int64_t selected_to = selected ? std::min(selected->last() + 1, file_size) : -1;
  const auto is_selected = [&](int64_t p) { return p >= selected_from && p <= selected_to; };
  for (int i = 0; selected && i < rows; ++i) {
    const int64_t row_start = start + int64_t{i} * columns;
    const int64_t from = std::max(row_start, selected_from);
    const int64_t to = std::min(row_start + columns - 1, selected_to);
    if (from > to) continue;
    const int top = settings.TopMargin + i * settings.LineHeight;
    const int bottom = top + settings.LineHeight;
    const int first = static_cast<int>(from - row_start);
    const int last = static_cast<int>(to - row_start);
    page.boxes.push_back({hex_left + first * settings.HexCellWidth, top,
                          hex_left + (last + 1) * settings.HexCellWidth, bottom, kSelectionColour});
    page.boxes.push_back({text_left + first * settings.TextCellWidth, top,
                          text_left + (last + 1) * settings.TextCellWidth, bottom,
                          kSelectionColour});
  }

  const bool printed = medium == PageMedium::Printer;
  page.lines_over_texts = printed;
  const int hex_shift = printed ? 0 : 2;
  const int text_shift = printed ? 0 : 1;
  // On paper, with the header's room above the rows, lines ending at
  // LineHeight x LinesPerPage would leave the last row without separators.
  int line_bottom = settings.LineHeight * rows + (printed ? settings.TopMargin : 0);
  // A top margin taller than all the rows would turn the lines upside down
  // over the margin: they reach the rows' bottom then.
  if (line_bottom <= settings.TopMargin)
    line_bottom = settings.TopMargin + settings.LineHeight * rows;
  for (int step = kSeparatorStep; step <= columns - kSeparatorStep; step += kSeparatorStep) {
    page.lines.push_back({HexSeparatorX(settings, step, hex_shift), settings.TopMargin, line_bottom,
                          settings.SeparatorColor});
    page.lines.push_back({TextSeparatorX(settings, step, text_shift), settings.TopMargin,
                          line_bottom, settings.SeparatorColor});
  }

  const int64_t end_mark = file_size + 1;
  const int address_digits = AddressDigits(file_size);
  // Another encoding's characters, read from the page's bytes inside the file.
  const bool shift_jis = reading.encoding == TextEncoding::ShiftJis;
  const int64_t in_file = std::clamp<int64_t>(file_size - start + 1, 0, cells);
  const std::vector<std::wstring> characters =
      shift_jis ? std::vector<std::wstring>()
                : TextCells(reading.encoding, page_bytes.first(static_cast<size_t>(in_file)),
                            start - 1, reading.control_dots);
  bool after_lead_byte = false;  // carried across rows: a pair may straddle them
  for (int i = 0; i < rows; ++i) {
    const int y = settings.TopMargin + i * settings.LineHeight;
    const Colour row_colour = settings.ForeColors[colour_index(i)];
    for (int j = 0; j < columns; ++j) {
      const int64_t k = int64_t{i} * columns + j;
      const int64_t p = start + k;
      const Colour colour = is_selected(p) ? kSelectionTextColour : row_colour;
      const int hex_x = hex_left + j * settings.HexCellWidth;
      const int text_x = text_left + j * settings.TextCellWidth;
      if (p > file_size) {
        page.texts.push_back({hex_x, y, colour, p == end_mark ? " |" : "  "});
        page.texts.push_back({text_x, y, colour, " "});
        continue;
      }
      const uint8_t b = page_bytes[k];
      page.texts.push_back({hex_x, y, colour, HexByte(b)});
      if (!shift_jis) {
        page.texts.push_back({text_x, y, colour, {}, characters[static_cast<size_t>(k)]});
      } else if (after_lead_byte) {
        page.texts.push_back({text_x, y, colour, " "});
        after_lead_byte = false;
      } else if (k + 1 < cells && tables.IsPair(b, page_bytes[k + 1])) {
        page.texts.push_back(
            {text_x, y, colour, {static_cast<char>(b), static_cast<char>(page_bytes[k + 1])}});
        after_lead_byte = true;
      } else {
        const bool dot = reading.control_dots && (b < 0x20 || b == 0x7F);
        page.texts.push_back({text_x, y, colour, std::string(1, dot ? '.' : static_cast<char>(b))});
      }
    }
    page.texts.push_back({settings.LeftMargin, y, row_colour,
                          HexAddress(start + int64_t{i} * columns - 1, address_digits)});
  }
  return page;
}

}  // namespace vx
