// SettingsWindow: the settings window. Modal over the main window and made afresh for
// each opening. It edits DisplaySettings in place and shows every change in
// the main window at once; OK keeps the changes and saves them, Cancel, Esc
// and the close box put the record and the main window back as they were.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "app/controls/number_field_win.h"
#include "app/settings/colour_chooser_host.h"
#include "app/settings/display_settings_record.h"
#include "app/settings/layout_fields.h"
#include "app/settings/settings_host.h"
#include "app/settings/swatch_win.h"
#include "common/ui/modal_window_win.h"

namespace vx {

class SettingsWindow : public ModalWindow, private ColourChooserHost {
 public:
  explicit SettingsWindow(SettingsHost& host);

 private:
  void CreateControls() override;
  HWND FirstFocus() const override { return hide_input_box_.hwnd(); }
  void CreateColourControls();
  void CreateLayoutFields();
  void CreateToolTips();
  // The font list from its cache, or from the installed fonts (then cached).
  std::vector<std::wstring> LoadFontNames() const;
  void SelectCurrentFont();
  // The controls from DisplaySettings.
  void ShowRecord();
  void ShowColours();
  // Every control into DisplaySettings, shown in the main window; nothing
  // while the controls are being filled.
  void ApplyChanges() override;
  // The record as it is into the main window.
  void ApplyToMainWindow();
  // The shape that fits the screen beside the saved one, below the rest in a
  // strip the window grows by, while the main window shows a smaller shape
  // than the saved one; else no strip.
  void ShowLimitedShape();
  void OnFontChosen(int index);
  // The colour chooser for `slot`, opened from `swatch`.
  void ChooseColour(Colour& slot, const Swatch& swatch);
  // Every number field takes its typed text and the record follows; when
  // one refuses its text the person is told its bounds and the keys go
  // there. False then.
  bool TakeTypedNumbers();
  void OnOk();
  void OnCancel();
  void OnClose() override;
  // Closes with no more notices taken from the controls: the focus leaving a
  // number field on the way out must not store its number again.
  void CloseQuietly();
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  SettingsHost& host_;
  DisplaySettingsRecord snapshot_;
  bool filling_ = false;
  // From the opening until OK or Cancel: closing otherwise is a Cancel.
  bool pending_ = false;

  CheckBox hide_input_box_;
  CheckBox complete_at_most_box_;
  CheckBox move_after_entry_box_;
  ListControl font_list_;
  NumberField font_size_;
  OptionGroup radix_options_;  // by the record's radix
  std::array<Swatch, 4> background_swatches_;
  std::array<Swatch, 4> text_swatches_;
  Swatch separator_swatch_;
  // By LayoutFields() index; 0 and 1 (top and left margin) are never shown.
  std::array<NumberField, kLayoutFieldCount> layout_fields_;
  Label limited_shape_;
  HWND tool_tips_ = nullptr;
};

}  // namespace vx
