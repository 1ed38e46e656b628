// A custom-drawn area with a persistent off-screen image: drawing goes into
// the image, and Refresh() shows it in one blit, so a page never flickers.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "common/ui/gdi_win.h"
#include "common/ui/window_win.h"

namespace vx {

class PictureBox : public Window {
 public:
  bool Create(HWND parent, const ChildArgs& args);

  void Move(int x, int y, int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }

  // The image's device context: draw here, then Refresh().
  HDC dc() const { return image_dc_.get(); }
  // The font that texts drawn on the image use; it must outlive the box.
  void SetFont(HFONT font);
  void Clear(COLORREF colour);
  void Refresh();
  // A pixel of the off-screen image (for checks), or CLR_INVALID outside it.
  COLORREF PixelAt(int x, int y) const;

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnPaint();
  void MakeImage(int width, int height);

  // The bitmap is declared first so that it outlives its selection into the DC.
  Bitmap image_;
  OwnedDc image_dc_;
  std::optional<Selection> image_selected_;
  HFONT font_ = nullptr;
  std::optional<Selection> font_selected_;
  uint32_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace vx
