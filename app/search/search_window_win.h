// SearchWindow: the search window. Modal over the main window and made afresh for
// each opening, so it always starts with an empty data field and the default
// choices; it searches the main window's open file and puts the caret on the
// match.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/search/search_host.h"
#include "app/search/search_pattern.h"
#include "common/ui/modal_window_win.h"

namespace vx {

class SearchWindow : public ModalWindow {
 public:
  explicit SearchWindow(SearchHost& host);

 private:
  void CreateControls() override;
  HWND FirstFocus() const override { return data_field_.hwnd(); }
  // "検索": the typed data searched for from the chosen start, or refused.
  void OnSearch();
  // "次を検索": the next match of the same data.
  void OnFindNext();
  // "説明": the window grows down over the help text.
  void OnExplain();
  // Shows a search's result; a match shows "次を検索" and gives it the focus.
  void ShowResult(const FindResult& result);
  // While a search runs, nothing that starts, changes or ends one answers.
  void EnableSearching(bool enabled) const;
  // A changed search starts again with "検索".
  void HideFindNext() const;
  SearchKind Kind() const;

  SearchHost& host_;
  EditField data_field_;
  OptionGroup target_options_;
  OptionGroup start_options_;
  PushButton search_button_;
  PushButton find_next_button_;
  PushButton close_button_;
  PushButton explain_button_;
  Label help_;
};

}  // namespace vx
