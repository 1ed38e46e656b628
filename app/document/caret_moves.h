// The arithmetic of the caret: where a move, a page step, a jump to a seek
// position or a mouse point puts it, and which keys let the byte input
// window take the character they type.
#pragma once

#include <cstdint>
#include <optional>

#include "app/settings/display_settings.h"

namespace vx {

// The caret byte: column, row on the page and the scroll value (the dump line
// at the top of the page).
struct CaretPlace {
  int32_t x = 0;
  int32_t y = 0;
  int64_t top = 0;

  bool operator==(const CaretPlace&) const = default;
};

// A placed caret's clamping: column and row into the page; a scroll value above
// the top of the file goes to the first row, one below `scroll_max` to the
// bottom row of the last page.
CaretPlace ClampedCaret(const DisplaySettingsRecord& settings, int64_t scroll_max,
                        CaretPlace wanted);

// A move by columns and rows that wraps at the line ends and
// scrolls when the caret leaves the page. The scroll value is not clamped
// here; the scroll bar keeps it in range. Empty when the caret stands on the
// first line of the file and the move would go left of it.
std::optional<CaretPlace> MovedCaret(const DisplaySettingsRecord& settings, CaretPlace from,
                                     int32_t columns, int32_t rows);

// The zero-based offset of the byte at `place`.
int64_t OffsetOfPlace(const DisplaySettingsRecord& settings, const CaretPlace& place);

// The caret on byte `offset`: its line at the top of the page where the scroll
// range allows, else on its own row of the last page. Unclamped, for
// ClampedCaret.
CaretPlace CaretAtOffset(const DisplaySettingsRecord& settings, int64_t scroll_max, int64_t offset);

// The caret on byte `offset`, the page left where it is when it shows that
// byte's line, else as CaretAtOffset puts it: after a command the person
// keeps looking at the same page where possible.
CaretPlace CaretShowing(const DisplaySettingsRecord& settings, int64_t scroll_max,
                        const CaretPlace& now, int64_t offset);

// The cell of the page's hex or text column under a point of the page area,
// by its column; a point beside both columns, or a row outside the page, is -1.
struct PageCell {
  int32_t column = -1;
  int32_t row = -1;

  bool operator==(const PageCell&) const = default;
};
PageCell PointToCell(const DisplaySettingsRecord& settings, double x, double y);

// The step of the arrow and page keys: 2 to the power of the shift-state mask
// `shift_mask` (1 Shift, 2 Ctrl, 4 Alt).
int32_t KeyStep(int shift_mask);
// The scroll values of Page Up and Page Down: one line of the old page stays
// in view.
int64_t PageUpTop(const DisplaySettingsRecord& settings, int64_t top, int32_t step);
int64_t PageDownTop(const DisplaySettingsRecord& settings, int64_t top, int32_t step);

// Whether the byte input window refuses the character typed with the key
// `key` (a virtual-key code) in the radix `radix` (0 hexadecimal,
// 1 decimal, 2 binary).
bool RejectsNextChar(int key, int32_t radix);

}  // namespace vx
