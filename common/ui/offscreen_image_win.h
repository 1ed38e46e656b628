// An off-screen image that a window draws into and shows in one blit, so
// that what it shows never flickers, and whose pixels a check can read.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "common/ui/gdi_win.h"

namespace vx {

class OffscreenImage {
 public:
  // A fresh image of the size (kept within the virtual screen), filled
  // with the window colour.
  void Resize(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }

  // The image's device context: draw here, then show it with Blit.
  HDC dc() const { return dc_.get(); }
  // The font that texts drawn on the image use; it must outlive the image.
  void SetFont(HFONT font);
  void Clear(COLORREF colour);
  // The whole image onto `target` at its origin.
  void Blit(HDC target) const;
  // A pixel of the image (for checks), or CLR_INVALID outside it.
  COLORREF PixelAt(int x, int y) const;

 private:
  // The bitmap is declared first so that it outlives its selection into the DC.
  Bitmap bitmap_;
  OwnedDc dc_;
  std::optional<Selection> bitmap_selected_;
  HFONT font_ = nullptr;
  std::optional<Selection> font_selected_;
  uint32_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace vx
