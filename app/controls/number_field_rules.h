// The number rules of the number field, the bounded whole-number field: how a typed
// text is read, how every assignment is bounded, and what a key or a drag adds.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vx {

// The whole number `text` holds, when it is one from `min` to `max`: blanks
// around it, an optional sign and decimal digits, full-width ones too (as a
// Japanese input method types them); nothing else. Empty for any other text,
// the empty one included.
std::optional<int32_t> ReadNumber(std::wstring_view text, int32_t min, int32_t max);

// `value` bounded: below `min` it is `min`, otherwise above `max` it is `max`.
int32_t ClampValue(int64_t value, int32_t min, int32_t max);

// What Up (+1) or Down (-1) adds; Shift, Ctrl or Alt held doubles the step.
int64_t KeyStep(int direction, int32_t change_value, bool modifier_held);

// The pixels a drag moves for one step of the mouse.
inline constexpr int kDragPixelsPerStep = 15;

// Drag steps from `start_y` to `y`: up is positive, one per 15 pixels,
// rounded to the nearest whole step, halves to the even one.
int64_t DragSteps(int start_y, int y);

// n / d (d > 0) rounded to the nearest whole number, halves to the even one.
int64_t DivideRoundingHalfToEven(int64_t n, int64_t d);

}  // namespace vx
