#include "app/print/print_window_win.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "app/print/draw_to_printer_win.h"
#include "app/print/page_numbers.h"
#include "app/print/print_texts.h"
#include "common/file_seam.h"
#include "common/message_box.h"
#include "common/path_text.h"
#include "common/ui/message_pump_win.h"

namespace vx {
namespace {

constexpr TwipRect kAllPagesOptionRect{240, 180, 1500, 255};
constexpr TwipRect kListedPagesOptionRect{240, 510, 1500, 255};
constexpr TwipRect kPageListFieldRect{1800, 480, 3060, 300};
constexpr TwipRect kHelpRect{240, 900, 4620, 1260};
constexpr TwipRect kStatusRect{240, 2280, 4620, 255};
constexpr TwipRect kPrintButtonRect{240, 2700, 1380, 360};
constexpr TwipRect kSetupButtonRect{1860, 2700, 1380, 360};
constexpr TwipRect kCloseButtonRect{3480, 2700, 1380, 360};

// The page options' indexes.
enum PagesOption { kAllPagesOption, kListedPagesOption };

}  // namespace

PrintWindow::PrintWindow(PrintHost& host, std::wstring path)
    : ModalWindow({L"VanteloxPrintWindow", print_texts::kCaption, {5100, 3300}}),
      host_(host),
      path_(std::move(path)) {}

void PrintWindow::CreateControls() {
  namespace t = print_texts;
  settings_at_opening_ = DisplaySettings;
  const ControlSite site = DialogSite();
  // Creation order is the Tab order.
  page_options_ = MakeOptionGroup(site, {.options = {{t::kAllPages, kAllPagesOptionRect},
                                                     {t::kChosenPages, kListedPagesOptionRect}},
                                         .chosen = kAllPagesOption,
                                         .on_choose = [this](int) { OnPagesChosen(); }});
  page_list_field_ = MakeEditField(
      site,
      {.rect = kPageListFieldRect, .style = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP});
  MakeLabel(site, {t::kHelp, kHelpRect});
  status_ = MakeLabel(site, {L"", kStatusRect});
  print_button_ = AddButton({.caption = t::kPrint,
                             .rect = kPrintButtonRect,
                             .on_click = [this] { OnPrint(); },
                             .more_style = WS_GROUP},
                            kEnterKey);
  const auto on_setup = [this] { OnPrinterSetup(); };
  setup_button_ =
      AddButton({.caption = t::kPrintSetup, .rect = kSetupButtonRect, .on_click = on_setup});
  close_button_ = AddButton(
      {.caption = t::kClose, .rect = kCloseButtonRect, .on_click = [this] { OnClose(); }}, kEscKey);
  OnPagesChosen();
  ShowPageCount();
}

void PrintWindow::OnClose() {
  if (printing_) {
    OnPrint();
    return;
  }
  DisplaySettings = settings_at_opening_;
  Close();
}

void PrintWindow::OnPagesChosen() {
  const bool listed = page_options_.Chosen() == kListedPagesOption;
  page_list_field_.Show(listed);
  if (listed) page_list_field_.Focus();
}

int64_t PrintWindow::FilePageCount() const {
  return PageCount(fs::FileLength(path_), DisplaySettings);
}

PageList PrintWindow::ChosenPages() const {
  if (page_options_.Chosen() == kAllPagesOption) return AllPages(FilePageCount());
  return ParsePageList(page_list_field_.Text(), FilePageCount());
}

void PrintWindow::ShowPageCount() {
  ShowStatus(print_texts::kPagesToPrint + std::to_wstring(FilePageCount()) + print_texts::kPages);
}

void PrintWindow::ShowJobRunning(bool running) {
  close_button_.Enable(!running);
  setup_button_.Enable(!running);
  print_button_.SetText(running ? print_texts::kCancel : print_texts::kPrint);
}

void PrintWindow::ShowStatus(const std::wstring& text) {
  status_.SetText(text);
  UpdateWindow(status_.hwnd());
}

void PrintWindow::OnPrint() {
  if (printing_) {
    cancelled_ = true;
    ShowStatus(print_texts::kCancelling);
    return;
  }
  cancelled_ = false;
  const PageList pages = ChosenPages();
  if (pages.empty()) {
    ShowMessage(print_texts::kNothingChosen);
    return;
  }
  const std::wstring name = ChosenPrinter();
  if (name.empty()) return;
  std::unique_ptr<PrintJob> job = CurrentPrinter().StartJob(name, devmode_, FileNamePart(path_));
  if (!job) {
    ShowMessage(print_texts::kPrintFailed, MsgButtons::Ok, MsgIcon::Exclamation);
    return;
  }
  printing_ = true;
  ShowJobRunning(true);
  const bool printed = PrintPages(*job, pages);
  job.reset();
  printing_ = false;
  // A program that is ending has taken the window already.
  if (!hwnd()) return;
  if (!printed) ShowMessage(print_texts::kPrintFailed, MsgButtons::Ok, MsgIcon::Exclamation);
  ShowPageCount();
  ShowJobRunning(false);
  OnClose();
}

bool PrintWindow::PrintPages(PrintJob& job, const PageList& pages) {
  PrintedDocument document{job, path_, host_.PrintHeaderName(), settings_at_opening_.TopMargin};
  const std::wstring count = std::to_wstring(pages.Count());
  int64_t printed = 0;
  for (const PageRange& range : pages.Ranges()) {
    for (int64_t page = range.first; page <= range.last; ++page) {
      ++printed;
      ShowStatus(std::to_wstring(page) + print_texts::kPrintingPage + std::to_wstring(printed) +
                 L"/" + count + L")");
      if (!job.StartPage()) {
        job.AbortDoc();
        return false;
      }
      PrintPage(document, PageStart(page, DisplaySettings), fs::FileLength(path_));
      if (!job.EndPage()) {
        job.AbortDoc();
        return false;
      }
      if (!LetMessagesRun()) {
        job.AbortDoc();
        return true;
      }
    }
  }
  return job.EndDoc();
}

bool PrintWindow::LetMessagesRun() {
  if (!vx::LetMessagesRun(hwnd())) cancelled_ = true;
  return !cancelled_;
}

std::wstring PrintWindow::ChosenPrinter() {
  const std::wstring name = CurrentPrinter().DefaultName();
  if (name.empty()) {
    ShowMessage(print_texts::kNoPrinter, MsgButtons::Ok, MsgIcon::Exclamation);
    return {};
  }
  if (name != devmode_printer_) {
    devmode_.clear();
    devmode_printer_ = name;
  }
  return name;
}

void PrintWindow::OnPrinterSetup() {
  const std::wstring name = ChosenPrinter();
  if (!name.empty()) CurrentPrinter().ShowProperties(hwnd(), name, devmode_);
}

}  // namespace vx
