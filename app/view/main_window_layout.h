// The main window's fixed layout, in pixels.
#pragma once

#include "common/ui/rects.h"

namespace vx {

// The status labels' font: fixed pitch, so that the longest numbers fit
// their labels and digits do not shift as they change.
inline constexpr int kLabelFontPoints = 9;

// The labels are as wide as their longest texts in the 6-pixel characters of
// the label font at 96 dots an inch: the size of a file of 2,147,483,646
// bytes takes 50 of them, which reach 4 pixels short of the narrowest
// window's edge. At other densities they grow where the font's characters
// come out wider than in proportion (status_line_layout.h).
inline constexpr PixelRect kFileNameRect{8, 0, 241, 13};
inline constexpr PixelRect kSizeRect{252, 0, 303, 13};
inline constexpr PixelRect kCaretFrameRect{0, 16, 513, 33};
// The five caret status labels inside the frame, left to right: 27, 16, 11,
// 11 and 14 characters at most.
inline constexpr PixelRect kCaretAddressRect{8, 31, 166, 13};
inline constexpr PixelRect kFourByteRect{176, 31, 100, 13};
inline constexpr PixelRect kTwoByteRect{278, 31, 68, 13};
inline constexpr PixelRect kOneByteRect{348, 31, 68, 13};
inline constexpr PixelRect kBinaryRect{418, 31, 90, 13};
// The selection line below the frame, as wide as the frame's labels.
inline constexpr PixelRect kSelectionRect{8, 51, 500, 13};
inline constexpr int kPageTop = 67;
inline constexpr int kScrollBarWidth = 21;
inline constexpr int kProgressCaptionWidth = 109;
inline constexpr int kProgressBarWidth = 237;
inline constexpr int kProgressHeight = 21;
// The client area round the page area: the scroll bar and 14 pixels to its
// right, the progress area with 4 pixels above and 8 below it; the status
// lines keep 4 pixels from the client area's right edge.
inline constexpr int kClientRightOfPage = kScrollBarWidth + 6 + 8;
inline constexpr int kClientBelowPage = 4 + kProgressHeight + 8;
inline constexpr int kClientRightOfStatus = 4;

}  // namespace vx
