// A custom-drawn area with a persistent off-screen image: drawing goes into
// the image, and Refresh() shows it in one blit, so a page never flickers.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

#include "common/ui/gdi_win.h"
#include "common/ui/window_win.h"

namespace vx {

class PictureBox : public Window {
 public:
  // Makes the child window; `id` becomes its control id.
  bool Create(HWND parent, int id, int x, int y, int width, int height);

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

  // Window messages that the owner wants to see first (keys, mouse).
  using MessageHook = std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)>;
  void SetMessageHook(MessageHook hook) { hook_ = std::move(hook); }

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnPaint();
  void MakeImage(int width, int height);

  // The bitmap is declared first so that it outlives its selection into the DC.
  Bitmap image_;
  MemoryDc image_dc_;
  std::optional<Selection> image_selected_;
  HFONT font_ = nullptr;
  std::optional<Selection> font_selected_;
  uint32_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  MessageHook hook_;
};

}  // namespace vx
