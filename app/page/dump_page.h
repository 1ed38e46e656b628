// What one dump page shows, cell by cell: the row backgrounds, the separator
// lines and every positioned byte text with its colour. The screen and the
// printer both replay this description on their own device context, so the
// two can never disagree about a page.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/settings/colour_choice.h"
#include "app/settings/display_settings.h"
#include "common/byte_range.h"
#include "common/shift_jis_tables.h"
#include "common/text_encoding.h"

namespace vx {

// A row background, filled and outlined in the same colour. Like a Win32 RECT,
// right and bottom are exclusive: the box covers x = left .. right - 1 and
// y = top .. bottom - 1.
struct PageBox {
  int left, top, right, bottom;
  Colour colour;

  bool operator==(const PageBox&) const = default;
};

// A vertical separator from y = top down to, but not including, y = bottom
// (the end point that MoveToEx/LineTo leave out).
struct PageLine {
  int x, top, bottom;
  Colour colour;

  bool operator==(const PageLine&) const = default;
};

// Bytes in the ANSI code page (Shift-JIS) drawn with their top-left corner at
// (x, y) on a transparent background: 2 hex digits, " |", blanks, 1 or 2 raw
// bytes of a character, or an address of AddressDigits digits. Raw bytes go out unchanged,
// control characters and NUL included.
struct PageText {
  int x, y;
  Colour colour;
  std::string bytes;
  // The text column's characters in an encoding other than Shift-JIS,
  // drawn instead of `bytes` when there are any.
  std::wstring characters{};
};

// Replayed in order: boxes first, then lines and texts, the lines over the
// texts when `lines_over_texts` says so.
struct DumpPage {
  std::vector<PageBox> boxes;
  std::vector<PageLine> lines;
  std::vector<PageText> texts;
  bool lines_over_texts = false;
};

// Where a page goes. The printed page stands its separators at their cell
// boundaries, over the text and down to the last row's bottom; the screen
// keeps them 2 and 1 pixels further left, under the text.
enum class PageMedium { Screen, Printer };

// Selected bytes on the screen: the system's highlight and highlighted-text
// colours (Windows' COLOR_HIGHLIGHT and COLOR_HIGHLIGHTTEXT), over the rows'.
inline constexpr Colour kSelectionColour = SystemColour(13);
inline constexpr Colour kSelectionTextColour = SystemColour(14);

// How the text column reads the bytes: Shift-JIS by the tables, drawn as the
// column always drew it, or another encoding's characters (text_cells.h);
// control bytes as a dot when asked, in either.
struct TextColumnReading {
  TextEncoding encoding = TextEncoding::ShiftJis;
  bool control_dots = false;
};

// round(twice / 2) to the nearest integer, halves to the even neighbour.
int RoundHalfToEven(int twice);

// x of the first hex column.
int HexColumnsLeft(const DisplaySettingsRecord& settings);
// x of the first text column.
int TextColumnsLeft(const DisplaySettingsRecord& settings);
// Right edge of a row background: one text cell beyond the last column, where
// the second half of a double-byte character that starts there is drawn.
int RowBoxRight(const DisplaySettingsRecord& settings);

// The hexadecimal digits of every address shown for a file of `file_size`
// bytes: 8 below 4 GiB, else as many as the last position (the end-of-file
// mark's, `file_size` itself) needs.
int AddressDigits(int64_t file_size);
// `settings` with the address column as wide as that file's addresses need:
// the settings' own measure of 8 x FontSize for the 8 digits grows by FontSize
// for every further digit. Below 4 GiB the settings are given unchanged.
DisplaySettingsRecord WithAddressColumnFor(const DisplaySettingsRecord& settings,
                                           int64_t file_size);

// How many bytes a page draw reads: the page plus the byte behind it.
int32_t PageByteCount(const DisplaySettingsRecord& settings);

// The page starting at seek position `start` (from 1). `page_bytes` holds
// PageByteCount(settings) bytes read from `start`, 0 behind the end of the file;
// the end-of-file mark and the addresses' digits follow `file_size`, and
// `settings` are expected to hold the address column WithAddressColumnFor it.
// The `selected` bytes (zero-based offsets) have their hex and text cells
// boxed in kSelectionColour and their texts in kSelectionTextColour.
DumpPage ComposePage(const DisplaySettingsRecord& settings, int64_t start,
                     std::span<const uint8_t> page_bytes, int64_t file_size,
                     const ShiftJisTables& tables, PageMedium medium = PageMedium::Screen,
                     const std::optional<ByteRange>& selected = std::nullopt,
                     const TextColumnReading& reading = {});

}  // namespace vx
