// SearchWindow: the search window. Modal over the main window and made afresh for
// each opening, so it always starts with an empty data field and the default
// choices; it searches the main window's open file and puts the caret on the
// match.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

#include "app/search/search_host.h"
#include "app/search/search_text.h"
#include "common/ui/modal_window_win.h"

namespace vx {

class SearchWindow : public ModalWindow {
 public:
  explicit SearchWindow(SearchHost& host);

  HWND Label2 = nullptr;
  HWND Text1 = nullptr;  // the data searched for
  HWND Frame1 = nullptr;
  std::array<HWND, 2> Option1{};  // [0] text, [1] "バイト" (SearchTarget)
  HWND Frame2 = nullptr;
  std::array<HWND, 2> Option2{};  // [0] from the caret, [1] "最初から"
  HWND Command1 = nullptr;        // search
  HWND Command3 = nullptr;        // find next, shown after a match
  HWND Command2 = nullptr;        // close
  HWND Command4 = nullptr;        // "説明": uncovers Label1
  HWND Label1 = nullptr;          // the help text

 private:
  void CreateControls() override;
  HWND FirstFocus() const override { return Text1; }
  bool OnCommand(int id, int code) override;
  void OnClose() override { Command2_Click(); }
  void FindStart();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  // Shows the result of a search; a match shows Command3 and gives it the focus.
  void FindAfter(const FindResult& result);
  void AllEnabled(bool value);
  void HideCommand3();
  SearchTarget Target() const;

  SearchHost& host_;
};

}  // namespace vx
