// A custom-drawn area with a persistent off-screen image: drawing goes into
// the image, and Refresh() shows it in one blit, so a page never flickers.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

namespace vx {

class PictureBox {
 public:
  PictureBox() = default;
  ~PictureBox();
  PictureBox(const PictureBox&) = delete;
  PictureBox& operator=(const PictureBox&) = delete;

  // Makes the child window; `id` becomes its control id.
  bool Create(HWND parent, int id, int x, int y, int width, int height);
  HWND hwnd() const { return hwnd_; }

  void Move(int x, int y, int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }
  int left() const;
  int top() const;

  // The image's device context: draw here, then Refresh().
  HDC dc() const { return dc_; }
  void Clear(COLORREF colour);
  void Refresh();
  // A pixel of the off-screen image (for checks), or CLR_INVALID outside it.
  COLORREF PixelAt(int x, int y) const;

  // Window messages that the owner wants to see (keys, mouse, drops).
  using MessageHook = std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)>;
  void SetMessageHook(MessageHook hook) { hook_ = std::move(hook); }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void MakeImage(int width, int height);
  void FreeImage();

  HWND hwnd_ = nullptr;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_bitmap_ = nullptr;
  uint32_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  MessageHook hook_;
};

}  // namespace vx
