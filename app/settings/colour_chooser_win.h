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

 private:
  void CreateControls() override;
  HWND FirstFocus() const override { return ok_button_.hwnd(); }
  // OnClose stays the default: the close box keeps the colour last applied.
  // Shows `colour` in the controls and applies it once.
  void ShowColour(Colour colour);
  // The colour the controls make, into the slot, the swatch and the main window.
  void ApplyColour();
  void OnOk();
  void OnCancel();

  ColourChooserHost& host_;
  Colour& slot_;
  Colour initial_;

  OptionGroup kind_options_;  // [0] a system colour element, [1] a colour of its own
  ListControl system_colours_;
  Swatch chosen_swatch_;
  // Red, green and blue: each part's value and its bar.
  std::array<Label, 3> part_values_;
  std::array<ScrollBar, 3> part_bars_;
  PushButton ok_button_;
};

}  // namespace vx
