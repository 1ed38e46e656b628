// Form3: the colour chooser. Modal over the settings window; the colour is
// mixed from red, green and blue on three bars or taken from the 25 system
// colour elements, and every movement is written into the record's slot and
// shown at once. OK keeps the colour, Cancel puts the first one back, the
// close box keeps the colour last applied.
#pragma once

#include <windows.h>

#include <array>

#include "app/settings/colour_chooser_host.h"
#include "app/settings/display_settings_record.h"
#include "app/settings/swatch_win.h"
#include "common/ui/gdi_win.h"
#include "common/ui/modal_window_win.h"

namespace vx {

class Form3 : public ModalWindow {
 public:
  // `slot` is the colour of the record being chosen; the chooser starts from `colour`.
  Form3(ColourChooserHost& host, Colour& slot, Colour colour)
      : host_(host), slot_(slot), colour_(colour) {}

  // Shows the window over `owner`, which stays disabled until it closes.
  void ShowModal(HWND owner);

  // Controls, named as in the window's design; the part labels Label1 to
  // Label3 and the arrays are indexed red, green, blue.
  HWND Option1 = nullptr;
  HWND Option2 = nullptr;
  HWND List1 = nullptr;
  HWND Label6 = nullptr;
  Swatch Label5;
  std::array<HWND, 3> PartLabels{};
  std::array<HWND, 3> Label4{};
  std::array<HWND, 3> HScroll1{};
  HWND Command1 = nullptr;
  HWND Command2 = nullptr;

 private:
  void Form_Load(HWND owner);
  void CreateControls();
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool OnCommand(int id, int code) override;
  // OnClose stays the default: the close box keeps the colour last applied.
  // HScroll1_Change and HScroll1_Scroll: `position` is the thumb's while it is dragged.
  void HScroll1_Scroll(HWND bar, int code, int position);
  // Shows colour_ in the controls and applies it once.
  void RefrectToHscroll();
  // The colour of the controls into the slot, the swatch and the main window.
  void hs1();
  void Command1_Click();
  void Command2_Click();

  ColourChooserHost& host_;
  Colour& slot_;
  Colour colour_;
  Colour initial_ = 0;
  bool suspended_ = false;
  Font font_;
};

}  // namespace vx
