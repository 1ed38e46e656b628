// ColourChooser: the colour chooser. Modal over the settings window; the colour is
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
#include "common/ui/modal_window_win.h"

namespace vx {

class ColourChooser : public ModalWindow {
 public:
  // `slot` is the colour of the record being chosen; the chooser starts from `colour`.
  ColourChooser(ColourChooserHost& host, Colour& slot, Colour colour);

  // The arrays are indexed red, green, blue.
  HWND Option1 = nullptr;  // a system colour element
  HWND Option2 = nullptr;  // a colour of its own
  HWND List1 = nullptr;    // the system colour elements
  HWND Label6 = nullptr;
  Swatch Label5;  // the chosen colour
  std::array<HWND, 3> PartLabels{};
  std::array<HWND, 3> Label4{};    // each part's value
  std::array<HWND, 3> HScroll1{};  // each part's bar
  HWND Command1 = nullptr;         // OK
  HWND Command2 = nullptr;         // Cancel

 private:
  void CreateControls() override;
  HWND FirstFocus() const override { return Command1; }
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
  Colour initial_;
  bool suspended_ = false;
};

}  // namespace vx
