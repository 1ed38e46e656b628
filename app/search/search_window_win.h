// SearchWindow: the search window. Modal over the main window and made afresh
// for each opening, so it always starts with empty fields and the default
// choices; it searches the main window's open file forwards and backwards,
// puts the caret on a match and selects it, replaces one match or all of
// them, and hands a search for every match to the list beside the main
// window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "app/search/search_host.h"
#include "app/search/search_pattern.h"
#include "common/ui/modal_window_win.h"

namespace vx {

class SearchWindow : public ModalWindow {
 public:
  // `replacing`: opened to replace (Ctrl+H), "置換" is the default button.
  SearchWindow(SearchHost& host, bool replacing);

 private:
  void CreateControls() override;
  HWND FirstFocus() const override { return data_field_.hwnd(); }
  void OnClose() override;
  // "検索": the typed data searched for from the chosen start, or refused.
  void OnSearch();
  // "次を検索" and "前を検索": the next or the previous match of the same data.
  void OnFindNext();
  void OnFindPrevious();
  // "すべて検索": the list of every match, beside the main window.
  void OnFindAll();
  // "置換": the selected match replaced, then the next one found; without
  // a selected match, the next one found.
  void OnReplace();
  // "すべて置換": every match replaced, and their count told.
  void OnReplaceAll();
  // "説明": the window grows down over the help text.
  void OnExplain();
  // The target chosen: its forms in the list, its options enabled.
  void OnTargetChosen();

  // The typed data as a pattern, and the replacement; none after the
  // refusal was shown.
  std::optional<SearchPattern> TypedPattern();
  std::optional<std::vector<uint8_t>> TypedReplacement();
  PatternOptions ChosenOptions() const;
  // The selection when the search is to stay inside it, else the file.
  SearchScope ChosenScope() const;
  // Shows a search's result; a match shows "次を検索" and gives it the focus.
  void ShowResult(const FindResult& result);
  // While work runs, nothing that starts, changes or ends a search answers;
  // work that may be stopped turns "すべて置換" into "中止" meanwhile.
  void EnableSearching(bool enabled, bool stoppable = false);
  // A changed search starts again with "検索".
  void HideFindNext() const;

  SearchHost& host_;
  bool replacing_;
  EditField data_field_;
  EditField replacement_field_;
  OptionGroup target_options_;
  ListControl form_list_;
  CheckBox ignore_case_box_;
  CheckBox big_endian_box_;
  OptionGroup start_options_;
  CheckBox in_selection_box_;
  PushButton search_button_;
  PushButton find_next_button_;
  PushButton find_previous_button_;
  PushButton find_all_button_;
  PushButton replace_button_;
  PushButton replace_all_button_;
  PushButton close_button_;
  PushButton explain_button_;
  Label help_;
  // The selection when the window opened, kept as the scope of a search
  // "選択範囲内" while matches are selected in its place.
  std::optional<SearchScope> selection_scope_;
  // Long work runs: the close box and Esc stop it instead of closing.
  bool working_ = false;
  bool stop_asked_ = false;
};

}  // namespace vx
