// What the program's modal windows share: the layout in twips, their child
// controls, their frame centred over the owner and their own message loop.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <type_traits>

namespace vx {

// The windows' layouts are designed in twips; 15 twips make one pixel.
inline constexpr int kTwipsPerPixel = 15;

struct TwipRect {
  int x, y, width, height;
};

struct FontDeleter {
  void operator()(HFONT f) const { DeleteObject(f); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// A Shift-JIS font of `face`; sizes in hundredths of a point, because some
// designed sizes (15.75 points) are not whole.
Font MakeDialogFont(const wchar_t* face, int centipoints, int weight);

// A visible child control of a standard class with its caption as its text.
HWND MakeChild(HWND parent, const wchar_t* window_class, const std::wstring& text, DWORD style,
               const TwipRect& r, int id, HFONT font);

// A captioned popup with a client area of the given pixels, centred over
// `owner` (the screen when there is none). `self` arrives with WM_NCCREATE.
HWND CreateModalFrame(const wchar_t* class_name, WNDPROC proc, const wchar_t* caption,
                      int client_width, int client_height, HWND owner, void* self);

// Runs the thread's messages, with a dialog's keys for `window` (Tab, Enter,
// Esc as IDCANCEL), until `window` is reset to null by its WM_DESTROY or the
// program is ending; the quit is left for the main loop to see.
void RunModalLoop(const HWND& window);

// The answer to WM_CTLCOLORSTATIC: labels and options on the button face.
LRESULT ButtonFaceColours(WPARAM dc);

// The messages every modal window answers alike: the close box runs `close`,
// WM_DESTROY forgets the window (which ends RunModalLoop), labels sit on the
// button face. True, with `result` set, when `msg` was one of them.
bool HandleModalFrameMessage(HWND& window, UINT msg, WPARAM wp, const std::function<void()>& close,
                             LRESULT& result);

}  // namespace vx
