#include "common/installer/progress_area_win.h"

#include <algorithm>

#include "common/installer/ripple.h"

namespace vx {
namespace {

// Blue in the platform's blue-green-red colour value.
constexpr COLORREF kBarColour = 0xFF0000;
constexpr int kBarHeight = 18;

}  // namespace

bool ProgressArea::Create(HWND parent, const ChildArgs& args) {
  if (!bar_.Create(
          parent, {args.rect, args.id, args.visible, COLOR_WINDOW, kBarColour, kBarHeight, true})) {
    return false;
  }
  // A new density resizes the area; the bar fills the new width.
  bar_.Resized = [this] { SetFrames(frames_); };
  return true;
}

void ProgressArea::SetFrames(int frames) {
  frames_ = frames;
  const int filled = std::clamp(frames * bar_.width() / kFadeFrames, 0, bar_.width());
  if (filled != bar_.filled()) bar_.Show(filled);
}

}  // namespace vx
