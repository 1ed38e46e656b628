// Window: the one way the programs make a window of their own class. The
// object is bound to its window from WM_NCCREATE on, so it sees even the
// messages sent during creation, and is unbound at WM_NCDESTROY; one
// procedure for every class forwards each message to HandleMessage.
#pragma once

#include <windows.h>

#include "common/ui/rects.h"
#include "common/ui/typed_controls_win.h"

namespace vx {

// A window class of the program, registered the first time it is used.
struct WindowClass {
  const wchar_t* name;
  UINT style = 0;
  // A system colour index for the background, or -1 for none (custom drawn).
  int background = COLOR_BTNFACE;
  // A resource id of the program's icon, or 0 for none.
  int icon = 0;
};

// What CreateWindowExW is told besides the class.
struct WindowArgs {
  const wchar_t* caption = L"";
  DWORD style = 0;
  DWORD ex_style = 0;
  int x = CW_USEDEFAULT;
  int y = CW_USEDEFAULT;
  int width = CW_USEDEFAULT;
  int height = CW_USEDEFAULT;
  HWND parent = nullptr;
  // A child's control id (the menu of a top-level window is set afterwards).
  int id = 0;

  // A visible child window of `parent` with control id `id`, at `rect` of
  // the 96-dot layout scaled to the parent's density.
  static WindowArgs Child(HWND parent, int id, const PixelRect& rect, DWORD more_style = 0);
};

// Where a control of the programs' own classes goes. Every such control is
// made by Create(parent, args) from this, or from an argument struct that
// begins as this one does.
struct ChildArgs {
  PixelRect rect;  // in pixels of the 96-dot layout
  int id = 0;
  bool visible = true;
};

class Window {
 public:
  Window() = default;
  // A window still there is unbound before it is destroyed: the object that
  // would answer its last messages is already going.
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND hwnd() const { return hwnd_; }
  // The one way the programs close a window of their own: it is destroyed.
  virtual void Close();

 protected:
  // Registers `window_class` once and makes the window bound to this object.
  // Null when the window could not be made.
  HWND CreateBound(const WindowClass& window_class, const WindowArgs& args);
  // Every message of the window; the default is the system's answer.
  virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) const {
    return DefWindowProcW(hwnd_, msg, wp, lp);
  }
  // Unbinds and destroys the window, if it is there: for the destructor of
  // a window whose members its last messages must not reach.
  void DestroyUnbound();

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;
};

// A window that holds controls: the close box ends in OnClose, menu items
// and shortcut keys reach OnMenuCommand, the notices of its typed controls
// their callbacks, and labels stand on the button face whatever the theme.
class FormWindow : public Window {
 protected:
  // Where this window's typed controls are made: in `font`, their notices
  // routed to their callbacks.
  ControlSite Site(HFONT font) { return {hwnd(), font, &routes_}; }
  // Closing the window, by default.
  virtual void OnClose() { Close(); }
  // WM_COMMAND from a menu item or a shortcut key; true when it was answered.
  virtual bool OnMenuCommand(int id) {
    (void)id;
    return false;
  }
  // The window is now on a display of `dpi` dots an inch: it has taken the
  // suggested rectangle and its children their places at the new density;
  // what it made for the old one (fonts, its own layout) is made again here.
  virtual void OnDpiChanged(int dpi) { (void)dpi; }
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  CommandRoutes routes_;
};

}  // namespace vx
