// The main window's fixed design, in pixels.
#pragma once

namespace vx {

struct LabelRect {
  int x, y, width, height;
};

inline constexpr LabelRect kLabel1Rect{8, 0, 241, 13};
inline constexpr LabelRect kLabel2Rect{252, 0, 257, 13};
inline constexpr LabelRect kFrame1Rect{0, 16, 513, 33};
// The five caret status labels inside the frame, left to right.
inline constexpr LabelRect kLabel3Rect{8, 31, 126, 13};
inline constexpr LabelRect kLabel4Rect{136, 31, 126, 13};
inline constexpr LabelRect kLabel5Rect{264, 31, 80, 13};
inline constexpr LabelRect kLabel6Rect{346, 31, 66, 13};
inline constexpr LabelRect kLabel7Rect{414, 31, 94, 13};
inline constexpr int kPicture1Top = 52;
inline constexpr int kVscrollWidth = 21;
inline constexpr int kLabel9Width = 109;
inline constexpr int kPicture2Width = 237;
inline constexpr int kProgressHeight = 21;

}  // namespace vx
