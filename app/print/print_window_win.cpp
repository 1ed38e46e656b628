#include "app/print/print_window_win.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "app/print/draw_to_printer_win.h"
#include "app/print/page_numbers.h"
#include "app/print/print_texts.h"
#include "common/file_seam.h"
#include "common/message_box.h"
#include "common/path_text.h"
#include "common/ui/controls_win.h"
#include "common/ui/message_pump_win.h"

namespace vx {
namespace {

constexpr TwipRect kOption1Rects[2]{{240, 180, 1500, 255}, {240, 510, 1500, 255}};
constexpr TwipRect kText1Rect{1800, 480, 3060, 300};
constexpr TwipRect kLabel3Rect{240, 900, 4620, 1260};
constexpr TwipRect kLabel2Rect{240, 2280, 4620, 255};
constexpr TwipRect kCommand1Rect{240, 2700, 1380, 360};
constexpr TwipRect kCommand2Rect{1860, 2700, 1380, 360};
constexpr TwipRect kCommand4Rect{3480, 2700, 1380, 360};

// Command1 is IDOK so that Enter prints, Command4 IDCANCEL so that Esc closes
// (or cancels a job).
enum ControlId {
  kText1 = 101,
  kCommand2,
  kOption1 = 110,  // + index
};

}  // namespace

PrintWindow::PrintWindow(PrintHost& host)
    : ModalWindow({L"VanteloxPrintWindow", print_texts::kCaption, {5100, 3300}}), host_(host) {}

void PrintWindow::CreateControls() {
  namespace t = print_texts;
  settings_copy_ = DisplaySettings;
  constexpr DWORD kOption = BS_AUTORADIOBUTTON;
  // Creation order is the Tab order.
  Option1[0] = AddControl(
      {L"BUTTON", t::kAllPages, kOption1Rects[0], kOption | WS_GROUP | WS_TABSTOP, kOption1});
  Option1[1] = AddControl({L"BUTTON", t::kChosenPages, kOption1Rects[1], kOption, kOption1 + 1});
  Text1 = AddControl(
      {L"EDIT", L"", kText1Rect, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP, kText1});
  Label3 = AddLabel(t::kHelp, kLabel3Rect);
  Label2 = AddLabel(L"", kLabel2Rect);
  Command1 = AddButton(t::kPrint, kCommand1Rect, IDOK, kEnterKey, WS_GROUP);
  Command2 = AddButton(t::kPrintSetup, kCommand2Rect, kCommand2);
  Command4 = AddButton(t::kClose, kCommand4Rect, IDCANCEL, kEscKey);
  SetChecked(Option1[0], true);
  Option1_Click();
  ReflectToMe();
}

bool PrintWindow::OnCommand(int id, int code) {
  switch (id) {
    case IDOK:
      Command1_Click();
      break;
    case kCommand2:
      Command2_Click();
      break;
    case IDCANCEL:
      Command4_Click();
      break;
    case kOption1:
    case kOption1 + 1:
      if (code == BN_CLICKED) Option1_Click();
      break;
    default:
      return false;
  }
  return true;
}

void PrintWindow::OnClose() { Command4_Click(); }

void PrintWindow::Form_QueryUnload() { DisplaySettings = settings_copy_; }

void PrintWindow::Option1_Click() {
  const bool chosen = IsChecked(Option1[1]);
  ShowWindow(Text1, chosen ? SW_SHOW : SW_HIDE);
  if (chosen) SetFocus(Text1);
}

int32_t PrintWindow::PageCount() const { return GetMaxPage(fs::FileLength(FileName), DisplaySettings); }

PageList PrintWindow::GetPrintPages() const {
  if (IsChecked(Option1[0])) return AllPages(PageCount());
  return ParsePageList(ControlText(Text1), PageCount());
}

void PrintWindow::ReflectToMe() {
  ShowStatus(print_texts::kPagesToPrint + std::to_wstring(PageCount()) + print_texts::kPages);
}

void PrintWindow::AllEnable(bool on) {
  EnableControl(Command4, on);
  EnableControl(Command2, on);
  SetControlText(Command1, on ? print_texts::kPrint : print_texts::kCancel);
}

void PrintWindow::ShowStatus(const std::wstring& text) {
  SetControlText(Label2, text);
  UpdateWindow(Label2);
}

void PrintWindow::Command1_Click() {
  if (printing_) {
    cancel_ = true;
    ShowStatus(print_texts::kCancelling);
    return;
  }
  cancel_ = false;
  const PageList pages = GetPrintPages();
  if (pages.empty()) {
    ShowMessage(print_texts::kNothingChosen);
    return;
  }
  const std::wstring name = ChosenPrinter();
  if (name.empty()) return;
  std::unique_ptr<PrintJob> job = CurrentPrinter().StartJob(name, devmode_, FileNamePart(FileName));
  if (!job) {
    ShowMessage(print_texts::kPrintFailed, MsgButtons::Ok, MsgIcon::Exclamation);
    return;
  }
  printing_ = true;
  AllEnable(false);
  const bool printed = PrintPages(*job, pages);
  job.reset();
  printing_ = false;
  // A program that is ending has taken the window already.
  if (!hwnd()) return;
  if (!printed) ShowMessage(print_texts::kPrintFailed, MsgButtons::Ok, MsgIcon::Exclamation);
  ReflectToMe();
  AllEnable(true);
  Command4_Click();
}

bool PrintWindow::PrintPages(PrintJob& job, const PageList& pages) {
  PrintedDocument doc{job, FileName, host_.PrintHeaderName(), settings_copy_.TopMargin};
  const std::wstring count = std::to_wstring(pages.Count());
  int64_t k = 0;
  for (const PageRange& range : pages.Ranges()) {
    for (int32_t page = range.first; page <= range.last; ++page) {
      ++k;
      ShowStatus(std::to_wstring(page) + print_texts::kPrintingPage + std::to_wstring(k) + L"/" +
                 count + L")");
      if (!job.StartPage()) {
        job.AbortDoc();
        return false;
      }
      DrawToPrinter(doc, GetSeekFromPage(page, DisplaySettings),
                    static_cast<int32_t>(std::min<int64_t>(fs::FileLength(FileName), INT32_MAX)));
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
  if (!vx::LetMessagesRun(hwnd())) cancel_ = true;
  return !cancel_;
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

void PrintWindow::Command2_Click() {
  const std::wstring name = ChosenPrinter();
  if (!name.empty()) CurrentPrinter().ShowProperties(hwnd(), name, devmode_);
}

void PrintWindow::Command4_Click() {
  // The close box or Esc during a job cancels it, as the Cancel button does;
  // the window closes when the job is over.
  if (printing_) {
    Command1_Click();
    return;
  }
  Form_QueryUnload();
  Close();
}

}  // namespace vx
