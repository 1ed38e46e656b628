// ProgressBar: a bar that fills from the left over its background, with a
// number on it when one is given. It is drawn in an off-screen image and
// shown at once, so that long work can show it between its blocks.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "common/ui/offscreen_image_win.h"
#include "common/ui/rects.h"
#include "common/ui/window_win.h"

namespace vx {

struct ProgressBarArgs {
  PixelRect rect{};  // the client area, in pixels of the 96-dot layout
  int id = 0;
  bool visible = true;
  int background = COLOR_BTNFACE;  // a system colour index
  COLORREF bar_colour = 0;
  // The bar's height in pixels of the 96-dot layout; 0 fills the height.
  int bar_height = 0;
  // A sunken edge round the client area.
  bool edge = false;
  DWORD more_style = 0;
};

class ProgressBar : public Window {
 public:
  bool Create(HWND parent, const ProgressBarArgs& args);
  // In device pixels.
  void Move(int x, int y, int width, int height);
  // The number's font; it must outlive the bar.
  void SetFont(HFONT font);
  // The bar `filled` pixels wide, `number` on it (none when empty), shown now.
  void Show(int filled, const std::wstring& number = {});
  int width() const { return image_.width(); }
  int filled() const { return filled_; }
  // A pixel of what the bar shows (for checks), or CLR_INVALID outside it.
  COLORREF PixelAt(int x, int y) const { return image_.PixelAt(x, y); }

  // Raised after the bar took a new size (a new density), to fill it anew.
  std::function<void()> Resized;

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void Draw();

  OffscreenImage image_;
  int background_ = COLOR_BTNFACE;
  Brush bar_brush_;
  int bar_height_ = 0;  // of the 96-dot layout
  int filled_ = 0;
  std::wstring number_;
};

}  // namespace vx
