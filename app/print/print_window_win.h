// PrintWindow: the print window. Modal over the main window and made afresh for
// each opening; it prints all pages of the file or the typed list of pages,
// page by page with a status line and a Cancel button, and closes itself
// when the job is over.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "app/print/page_list.h"
#include "app/print/print_host.h"
#include "app/print/printer_win.h"
#include "app/settings/display_settings.h"
#include "common/ui/modal_window_win.h"

namespace vx {

class PrintWindow : public ModalWindow {
 public:
  explicit PrintWindow(PrintHost& host);

  // The file to print, set before the window is shown.
  std::wstring FileName;

  std::array<HWND, 2> Option1{};  // [0] "全て印刷", [1] "ページ指定"
  HWND Text1 = nullptr;           // the typed list of pages
  HWND Label3 = nullptr;          // the help text
  HWND Label2 = nullptr;          // the status line
  HWND Command1 = nullptr;        // print, or cancel while printing
  HWND Command2 = nullptr;        // the printer's settings
  HWND Command4 = nullptr;        // close

 private:
  void CreateControls() override;
  HWND FirstFocus() const override { return Command1; }
  bool OnCommand(int id, int code) override;
  void OnClose() override;
  void Form_QueryUnload();
  void Option1_Click();
  void Command1_Click();
  void Command2_Click();
  void Command4_Click();
  PageList GetPrintPages() const;
  void ReflectToMe();
  void AllEnable(bool on);
  void ShowStatus(const std::wstring& text);
  // The job's pages; false when the printer failed on one of them.
  bool PrintPages(PrintJob& job, const PageList& pages);
  // The page loop lets messages run once a page: a cancel takes effect after
  // the page being drawn, and the program's end counts as one.
  bool LetMessagesRun();
  int32_t PageCount() const;
  // The default printer, keeping the settings chosen for it and dropping
  // those of another; empty, after saying so, when none is installed.
  std::wstring ChosenPrinter();

  PrintHost& host_;
  // The settings as they were when the window opened: printing raises the
  // top margin, and every way of closing puts them back.
  DisplaySettingsRecord settings_copy_;
  bool printing_ = false;
  bool cancel_ = false;
  // What the printer's settings dialog chose, for this window's jobs.
  std::wstring devmode_printer_;
  DevMode devmode_;
};

}  // namespace vx
