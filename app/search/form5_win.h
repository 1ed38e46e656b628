// Form5: the search window. Modal over the main window and made afresh for
// each opening, so it always starts with an empty data field and the default
// choices; it searches the main window's open file and puts the caret on the
// match.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

#include "app/search/search_host.h"
#include "app/search/search_text.h"
#include "common/ui/gdi_win.h"
#include "common/ui/modal_window_win.h"

namespace vx {

class Form5 : public ModalWindow {
 public:
  explicit Form5(SearchHost& host) : host_(host) {}

  // Shows the window over `owner`, which stays disabled until it closes.
  void ShowModal(HWND owner);

  // Controls, named as in the window's design; the option arrays are indexed
  // as designed (Option1[1] "バイト", Option2[1] "最初から").
  HWND Label2 = nullptr;
  HWND Text1 = nullptr;
  HWND Frame1 = nullptr;
  std::array<HWND, 2> Option1{};
  HWND Frame2 = nullptr;
  std::array<HWND, 2> Option2{};
  HWND Command1 = nullptr;
  HWND Command3 = nullptr;
  HWND Command2 = nullptr;
  HWND Command4 = nullptr;
  HWND Label1 = nullptr;

 private:
  void Form_Load(HWND owner);
  void CreateControls();
  bool OnCommand(int id, int code) override;
  void OnClose() override { Command2_Click(); }
  void FindStart();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  // Shows the result of a search; a match shows Command3 and gives it the focus.
  void FindAfter(int32_t rc);
  void AllEnabled(bool value);
  void HideCommand3();
  SearchTarget Target() const;

  SearchHost& host_;
  Font font_;
};

}  // namespace vx
