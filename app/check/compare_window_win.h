// CompareWindow: the comparison of the open file with another, as a list of
// the differing stretches beside the main window (modeless). It shows how
// the files were compared (byte by byte from the start), runs the
// comparison with its progress bar and Cancel, and then lists each stretch
// with its first address, its length and both files' bytes, shortened,
// under the totals. Enter or a double-click on a stretch puts the main
// window's caret and selection on it.
#pragma once

#include <windows.h>

#include <string>

#include "app/check/compare_host.h"
#include "app/check/file_compare.h"
#include "common/ui/controls_win.h"
#include "common/ui/modal_window_win.h"
#include "common/ui/progress_bar_win.h"

namespace vx {

class CompareWindow : public ModalWindow {
 public:
  explicit CompareWindow(CompareHost& host);

  // Shows the window beside `owner`, which stays usable, for `other_path`.
  void ShowModeless(HWND owner, const std::wstring& other_path);
  // Runs `comparison` with the window's progress bar, the owner waiting
  // meanwhile, and lists what it found.
  CompareOutcome Run(FileComparison& comparison);
  // The list's line of `stretch` selected, when it is listed.
  void SelectStretch(const ByteRange& stretch);

  // For tests: the list and its lines, and the totals' text.
  HWND list() const { return list_.hwnd(); }
  std::wstring SummaryText() const { return summary_.Text(); }

 private:
  void CreateControls() override;
  HWND FirstFocus() const override { return list_.hwnd(); }
  void OnClose() override;
  // "移動", Enter or a double-click: the main window shows the chosen stretch.
  void OnGo();
  void ShowSummary(const CompareSummary& summary);
  void FillList(const CompareSummary& summary, const FileComparison& comparison);

  CompareHost& host_;
  std::wstring other_path_;
  std::vector<ByteRange> listed_;
  Label other_label_;
  Label summary_;
  ListControl list_;
  MessageHook list_keys_;
  ProgressBar progress_bar_;
  PushButton cancel_button_;
  bool running_ = false;
  bool cancelled_ = false;
  bool close_after_ = false;
};

}  // namespace vx
