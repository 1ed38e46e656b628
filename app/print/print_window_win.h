// PrintWindow: the print window. Modal over the main window and made afresh for
// each opening; it prints all pages of the file or the typed list of pages,
// page by page with a status line and a Cancel button, and closes itself
// when the job is over.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/print/page_list.h"
#include "app/print/print_host.h"
#include "app/print/printer_win.h"
#include "app/settings/display_settings.h"
#include "common/ui/modal_window_win.h"

namespace vx {

class PrintWindow : public ModalWindow {
 public:
  // The window that prints the file at `path`.
  PrintWindow(PrintHost& host, std::wstring path);

 private:
  void CreateControls() override;
  HWND FirstFocus() const override { return print_button_.hwnd(); }
  // "閉じる", Esc and the close box: a job that runs is cancelled as
  // "キャンセル" does, and the window closes when it is over; otherwise the
  // settings are put back and the window closes.
  void OnClose() override;
  // "全て印刷" or "ページ指定": the field for the list shows with the latter.
  void OnPagesChosen();
  // "印刷": the chosen pages printed; while they print, the same button is
  // "キャンセル", which stops the job after the page being drawn.
  void OnPrint();
  // "印刷設定": the printer's own settings, for this window's jobs.
  void OnPrinterSetup();
  PageList ChosenPages() const;
  int64_t FilePageCount() const;
  void ShowPageCount();
  // While a job runs, only the print button answers, as "キャンセル".
  void ShowJobRunning(bool running);
  void ShowStatus(const std::wstring& text);
  // The job's pages; false when the printer failed on one of them.
  bool PrintPages(PrintJob& job, const PageList& pages);
  // The page loop lets messages run once a page: a cancel takes effect after
  // the page being drawn, and the program's end counts as one.
  bool LetMessagesRun();
  // The default printer, keeping the settings chosen for it and dropping
  // those of another; empty, after saying so, when none is installed.
  std::wstring ChosenPrinter();

  PrintHost& host_;
  std::wstring path_;
  // The settings as they were when the window opened: printing raises the
  // top margin, and every way of closing puts them back.
  DisplaySettingsRecord settings_at_opening_;
  bool printing_ = false;
  bool cancelled_ = false;
  // What the printer's settings dialog chose, for this window's jobs.
  std::wstring devmode_printer_;
  DevMode devmode_;
  OptionGroup page_options_;
  EditField page_list_field_;
  Label status_;
  PushButton print_button_;
  PushButton setup_button_;
  PushButton close_button_;
};

}  // namespace vx
