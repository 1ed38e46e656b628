// Controls: every child control of a standard class (label, button, option,
// frame, text field, list, combo, scroll bar, tooltip) is made here from one
// small description, with its caption as its window text and its font set
// as it is made; and the few things the windows do to their controls (text,
// check state, enabling, hiding, icons) are done here in one way.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "common/ui/rects.h"

namespace vx {

struct ControlArgs {
  const wchar_t* window_class;  // L"STATIC", L"BUTTON", L"EDIT", ...
  std::wstring caption;
  // In pixels of the 96-dot layout, scaled to the parent's density; in the
  // parent's own pixels with `device_pixels`.
  PixelRect rect;
  DWORD style = 0;  // besides WS_CHILD | WS_VISIBLE, unless it holds WS_POPUP
  int id = 0;
  HFONT font = nullptr;
  DWORD ex_style = 0;
  bool device_pixels = false;
};

// A visible child of `parent` (with WS_POPUP: a popup owned by it); null
// when it could not be made.
HWND MakeControl(HWND parent, const ControlArgs& args);
// The one place a control is told its font; it redraws when `redraw`.
void SetControlFont(HWND control, HFONT font, bool redraw = false);

// A control's window text, and setting it.
std::wstring ControlText(HWND control);
void SetControlText(HWND control, const std::wstring& text);
// A check box or an option: checked means BST_CHECKED, never the third state.
bool IsChecked(HWND button);
void SetChecked(HWND button, bool checked);
void EnableControl(HWND control, bool enabled);
// Hides `control`, first handing the keys to `next_focus` when it holds
// them: a hidden control must not keep the focus.
void HideControl(HWND control, HWND next_focus);

// The program's icon resource `id` at the large or small icon size of a
// display of `dpi` dots an inch, loaded once for the life of the program;
// the stock icon when the program carries none.
HICON ProgramIcon(int id, bool small, int dpi);
// That icon, at the window's density, in its caption and task-bar button.
void SetProgramIcon(HWND window, int id);

// The room a label's text takes in the label's font, laid out as the label
// draws it: wrapped at the label's width, or on lines of their own for a
// label that never wraps (SS_LEFTNOWORDWRAP, SS_SIMPLE).
SIZE LabelTextExtent(HWND label);
// Grows a label to its text's extent where its laid-out size is too small
// for the font it got; it keeps its place and never shrinks.
void FitLabelToText(HWND label);

// The messages of a window of any class, seen by its owner before the
// window's own procedure. The handler returns true, with `result` set, when
// it answered the message itself. Detached when the object goes.
class MessageHook {
 public:
  using Handler = std::function<bool(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)>;
  MessageHook() = default;
  ~MessageHook() { Detach(); }
  MessageHook(const MessageHook&) = delete;
  MessageHook& operator=(const MessageHook&) = delete;

  void Attach(HWND window, Handler handler);
  void Detach();

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                    DWORD_PTR self);
  HWND window_ = nullptr;
  Handler handler_;
};

// The answer to WM_CTLCOLORSTATIC: labels and options on the button face,
// whatever the theme.
LRESULT ButtonFaceColours(WPARAM dc);

}  // namespace vx
