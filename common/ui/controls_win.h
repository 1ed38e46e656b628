// Controls: every child control of a standard class (label, button, option,
// frame, text field, list, combo, scroll bar, tooltip) is made here from one
// small description, with its caption as its window text. The dialog layouts
// are designed in twips; they become pixels here and nowhere else.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace vx {

inline constexpr int kTwipsPerPixel = 15;
constexpr int TwipsToPixels(int twips) { return twips / kTwipsPerPixel; }

struct TwipRect {
  int x, y, width, height;
};

struct PixelRect {
  int x, y, width, height;
  constexpr PixelRect(int x_, int y_, int width_, int height_)
      : x(x_), y(y_), width(width_), height(height_) {}
  // A designed rectangle in twips, in pixels.
  constexpr PixelRect(const TwipRect& r)  // NOLINT: twips convert wherever pixels are asked for
      : x(TwipsToPixels(r.x)),
        y(TwipsToPixels(r.y)),
        width(TwipsToPixels(r.width)),
        height(TwipsToPixels(r.height)) {}
};

struct ControlSpec {
  const wchar_t* window_class;  // L"STATIC", L"BUTTON", L"EDIT", ...
  std::wstring caption;
  PixelRect rect;
  DWORD style = 0;  // besides WS_CHILD | WS_VISIBLE, unless it holds WS_POPUP
  int id = 0;
  HFONT font = nullptr;
  DWORD ex_style = 0;
};

// A visible child of `parent` (with WS_POPUP: a popup owned by it); null
// when it could not be made.
HWND MakeControl(HWND parent, const ControlSpec& spec);

// A control's window text.
std::wstring ControlText(HWND control);

// The room a label's text takes in the label's font, laid out as the label
// draws it: wrapped at the label's width, or on lines of their own for a
// label that never wraps (SS_LEFTNOWORDWRAP, SS_SIMPLE).
SIZE LabelTextExtent(HWND label);
// Grows a label to its text's extent where its designed size is too small
// for the font it got; it keeps its place and never shrinks.
void FitLabelToText(HWND label);

// The messages of a standard control, seen by its owner before the control's
// own procedure. The handler returns true, with `result` set, when it answered
// the message itself. Detached when the object goes.
class ControlSubclass {
 public:
  using Handler = std::function<bool(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)>;
  ControlSubclass() = default;
  ~ControlSubclass() { Detach(); }
  ControlSubclass(const ControlSubclass&) = delete;
  ControlSubclass& operator=(const ControlSubclass&) = delete;

  void Attach(HWND control, Handler handler);
  void Detach();

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                    DWORD_PTR self);
  HWND control_ = nullptr;
  Handler handler_;
};

// The answer to WM_CTLCOLORSTATIC: labels and options on the button face,
// whatever the theme.
LRESULT ButtonFaceColours(WPARAM dc);

}  // namespace vx
