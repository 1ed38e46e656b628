// ModalWindow: the one skeleton of the programs' modal windows. A window
// states its class, caption, client size and icon (ModalArgs), makes its
// typed controls in CreateControls, their callbacks answering them. The
// rest is done here: a captioned popup of that client size, centred over its
// owner, the dialog font every control gets, the owner disabled while the
// window runs its own message loop, Tab between controls, Enter for the
// default button and Esc for the cancel button, and the closing, in which the
// owner gets the focus back. The close box ends in OnClose (FormWindow).
#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "common/ui/controls_win.h"
#include "common/ui/gdi_win.h"
#include "common/ui/rects.h"
#include "common/ui/window_win.h"

namespace vx {

struct ModalArgs {
  const wchar_t* class_name;
  std::wstring caption;
  TwipSize client;
  // A resource id of the program's icon for the caption and the task bar,
  // or 0 for none.
  int icon = 0;
};

// The keys a push button answers besides its click.
enum ButtonKeys : unsigned {
  kClickOnly = 0,
  kEnterKey = 1,  // the window's default button, drawn as such
  kEscKey = 2,    // the window's cancel button
};

class ModalWindow : public FormWindow {
 public:
  explicit ModalWindow(ModalArgs args) : args_(std::move(args)) {}

  // Makes the window over `owner` and runs it until it is closed; `owner`
  // stays disabled meanwhile.
  void ShowModal(HWND owner);
  // Enables the owner (so that it gets the focus back) and destroys the window.
  void Close() override;

 protected:
  // Makes the window, hidden, over `owner` (the screen's centre when null),
  // with its icon and the dialog font, and calls CreateControls. False when
  // the window could not be made.
  bool Open(HWND owner);
  // Shows the made window with the focus on FirstFocus() and runs the
  // thread's messages until the window is gone; the quit of a program that
  // is ending is left for its main loop. A window still there at the end is
  // closed by OnClose.
  void RunModal();

  // The window's controls, made in Tab order; the frame and the dialog font
  // are there already.
  virtual void CreateControls() = 0;
  // The control that has the focus when the window shows; none when null.
  virtual HWND FirstFocus() const { return nullptr; }
  // Esc reaches the cancel button as its own click; the default
  // button is named to DM_GETDEFID, so that Enter presses it (TakeDialogKey);
  // the close box waits for the end of the window's own long work.
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  // The dialog font made again at the new density, in every control that
  // had it, and the icon at the new density's sizes.
  void OnDpiChanged(int dpi) override;

  // Where this window's typed controls are made: in the dialog font.
  ControlSite DialogSite() { return Site(dialog_font()); }
  // A typed push button in the dialog font; `keys` makes it the default or
  // the cancel button.
  PushButton AddButton(ButtonArgs args, unsigned keys = kClickOnly);
  // The client area made `twips` high at the window's density, the window's
  // top left corner and width kept: for a window that grows to show more.
  void SetClientHeight(int twips);
  HFONT dialog_font() const { return dialog_font_.get(); }
  HWND owner() const { return owner_; }

 private:
  ModalArgs args_;
  HWND owner_ = nullptr;
  Font dialog_font_;
  HWND default_button_ = nullptr;
  HWND cancel_button_ = nullptr;
};

}  // namespace vx
