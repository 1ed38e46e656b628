// Form2: the settings window. Modal over the main window and made afresh for
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
#include "common/ui/gdi_win.h"
#include "common/ui/modal_window_win.h"

namespace vx {

class Form2 : public ModalWindow, private ColourChooserHost {
 public:
  explicit Form2(SettingsHost& host) : host_(host) {}

  // Shows the window over `owner`, which stays disabled until it closes.
  void ShowModal(HWND owner);

  // Controls, named as in the window's design. Option1, TextEx2 and the
  // field labels (Label6 to Label14) are indexed as designed; TextEx2 0 and 1
  // (top and left margin) are never shown.
  HWND Check1 = nullptr;
  HWND Check3 = nullptr;
  HWND Check2 = nullptr;
  HWND FontFrame = nullptr;
  HWND Combo1 = nullptr;
  HWND Label1 = nullptr;
  TextEx TextEx1;
  HWND RadixFrame = nullptr;
  std::array<HWND, 3> Option1{};
  HWND ColourFrame = nullptr;
  HWND Label2 = nullptr;
  std::array<Swatch, 4> Label3;
  HWND Label4 = nullptr;
  std::array<Swatch, 5> Label5;
  HWND Label15 = nullptr;
  std::array<TextEx, kLayoutFieldCount> TextEx2;
  std::array<HWND, kLayoutFieldCount> FieldLabels{};
  HWND Command1 = nullptr;
  HWND Command2 = nullptr;
  HWND ToolTip1 = nullptr;

 private:
  void Form_Load(HWND owner);
  void CreateControls();
  void CreateColourControls(HFONT font);
  void CreateLayoutFields(HFONT font);
  void CreateToolTips();
  void LoadFont();
  void SaveFont();
  void SelectCurrentFont();
  void RefrectToMe();
  void RefrectToForm1() override;
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
  void Close();
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool OnCommand(int id, int code) override;
  void OnClose() override { Form_QueryUnload(); }

  SettingsHost& host_;
  DisplaySettingsRecord snapshot_;
  bool filling_ = false;
  bool pending_ = false;
  Font font_;
};

}  // namespace vx
