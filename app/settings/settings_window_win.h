// SettingsWindow: the settings window. Modal over the main window and made afresh for
// each opening. It edits DisplaySettings in place and shows every change in
// the main window at once; OK keeps the changes and saves them, Cancel, Esc
// and the close box put the record and the main window back as they were.
#pragma once

#include <windows.h>

#include <array>

#include "app/controls/text_ex_win.h"
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

  HWND Check1 = nullptr;  // hide the input window after an entry
  HWND Check3 = nullptr;  // complete the entry at the most digits
  HWND Check2 = nullptr;  // move on after an entry
  HWND FontFrame = nullptr;
  HWND Combo1 = nullptr;  // the font's name
  HWND Label1 = nullptr;
  TextEx TextEx1;  // the font's size
  HWND RadixFrame = nullptr;
  std::array<HWND, 3> Option1{};  // the input radix, by RadixOptionIndex
  HWND ColourFrame = nullptr;
  HWND Label2 = nullptr;
  std::array<Swatch, 4> Label3;  // the background colours
  HWND Label4 = nullptr;
  std::array<Swatch, 5> Label5;  // the text colours, then the separator's
  HWND Label15 = nullptr;
  // The layout fields and their captions, by LayoutFields() index; 0 and 1
  // (top and left margin) are never shown.
  std::array<TextEx, kLayoutFieldCount> TextEx2;
  std::array<HWND, kLayoutFieldCount> FieldLabels{};
  HWND Command1 = nullptr;  // OK
  HWND Command2 = nullptr;  // Cancel
  HWND ToolTip1 = nullptr;

 private:
  void CreateControls() override;
  HWND FirstFocus() const override { return Check1; }
  void CreateColourControls();
  void CreateLayoutFields();
  void CreateToolTips();
  void LoadFont();
  void SaveFont();
  void SelectCurrentFont();
  void RefrectToMe();
  void ApplyChanges() override;
  void ApplyToMainWindow();
  int SelectedRadixOption() const;
  void Combo1_Click();
  // Label3_MouseDown, Label5_MouseDown: the colour chooser for the slot.
  void ChooseColour(Colour& slot, const Swatch& swatch);
  void Command1_Click();
  void Command2_Click();
  void Form_QueryUnload();
  // Closes with no more notices taken from the controls: the focus leaving a
  // number field on the way out must not store its number again.
  void CloseQuietly();
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool OnCommand(int id, int code) override;
  void OnClose() override { Form_QueryUnload(); }

  SettingsHost& host_;
  DisplaySettingsRecord snapshot_;
  bool filling_ = false;
  bool pending_ = false;
};

}  // namespace vx
