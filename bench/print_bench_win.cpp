// 100 pages of a file printed from the print window, as a person prints them,
// to the default printer (CUPS PDF on our machines) and into a PostScript
// file: pages per second, the share of the job spent in our own drawing
// (PrintPage), and the job against a job of 100 blank pages on the same
// printer, measured in the same run.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "app/print/printer_win.h"
#include "app/program_globals.h"
#include "app/view/main_window_win.h"
#include "app/view/menu_commands.h"
#include "bench/bench_support_win.h"
#include "common/file_seam.h"
#include "tests/support/modal_script_win.h"

namespace {

using vx::bench::NowMs;

constexpr int kPages = 100;
constexpr int kPageBytes = 512;
constexpr double kGoalPagesPerSecond = 20;

// What a job cost: all of it, and the part between the start and the end of
// each page, where the print window draws the page.
struct JobTimes {
  double job_ms = 0;
  double drawing_ms = 0;
  int pages = 0;
};

class TimedJob : public vx::PrintJob {
 public:
  TimedJob(std::unique_ptr<vx::PrintJob> job, JobTimes& times, double started)
      : job_(std::move(job)), times_(times), started_(started) {}
  HDC dc() const override { return job_->dc(); }
  vx::PrintArea Area() const override { return job_->Area(); }
  bool StartPage() override {
    const bool ok = job_->StartPage();
    page_started_ = NowMs();
    return ok;
  }
  bool EndPage() override {
    times_.drawing_ms += NowMs() - page_started_;
    ++times_.pages;
    return job_->EndPage();
  }
  bool EndDoc() override {
    const bool ok = job_->EndDoc();
    times_.job_ms = NowMs() - started_;
    return ok;
  }
  void AbortDoc() override { job_->AbortDoc(); }

 private:
  std::unique_ptr<vx::PrintJob> job_;
  JobTimes& times_;
  double started_;
  double page_started_ = 0;
};

class TimedPrinter : public vx::Printer {
 public:
  explicit TimedPrinter(vx::Printer& printer) : printer_(printer) {}
  std::wstring DefaultName() override { return printer_.DefaultName(); }
  void ShowProperties(HWND owner, const std::wstring& name, vx::DevMode& devmode) override {
    printer_.ShowProperties(owner, name, devmode);
  }
  std::unique_ptr<vx::PrintJob> StartJob(const std::wstring& name, const vx::DevMode& devmode,
                                         const std::wstring& title) override {
    const double started = NowMs();
    std::unique_ptr<vx::PrintJob> job = printer_.StartJob(name, devmode, title);
    if (!job) return nullptr;
    return std::make_unique<TimedJob>(std::move(job), times, started);
  }
  JobTimes times;

 private:
  vx::Printer& printer_;
};

// A job of blank pages straight through the printer: what the printing
// system costs without any drawing of ours.
double BlankJobMs(vx::Printer& printer, const std::wstring& title) {
  const double started = NowMs();
  std::unique_ptr<vx::PrintJob> job = printer.StartJob(printer.DefaultName(), {}, title);
  if (!job) return -1;
  for (int i = 0; i < kPages; ++i) {
    job->StartPage();
    job->EndPage();
  }
  job->EndDoc();
  return NowMs() - started;
}

// The Print command of the main window, with "印刷" pressed as soon as the
// print window shows; returns when the window has printed and closed.
void PrintFromTheWindow(vx::MainWindow& form) {
  size_t stalled = 0;
  const bool pressed = vx::test::PlayScript(
      form.hwnd(),
      [&] { SendMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(vx::menu_commands::kPrint, 0), 0); },
      {[&] {
        const HWND window = vx::test::FindOwnedWindow(form.hwnd());
        if (window)
          PostMessageW(FindWindowExW(window, nullptr, L"BUTTON", L"印刷"), BM_CLICK, 0, 0);
        return window != nullptr;
      }},
      stalled);
  if (!pressed) std::printf("the print window never showed\n");
}

// `output`, when given, is the file the job writes, whose size is shown.
void Run(const char* target, vx::Printer& printer, vx::MainWindow& form,
         const std::wstring& output = {}) {
  const double blank_ms = BlankJobMs(printer, L"blank.bin");
  if (blank_ms < 0) {
    std::printf("%-22s no job could be started (no printer?)\n", target);
    return;
  }
  TimedPrinter timed(printer);
  vx::UsePrinter(&timed);
  PrintFromTheWindow(form);
  vx::UsePrinter(nullptr);
  const JobTimes& t = timed.times;
  if (t.pages != kPages || t.job_ms <= 0) {
    std::printf("%-22s the job printed %d of %d pages\n", target, t.pages, kPages);
    return;
  }
  const double pages_per_second = kPages * 1000.0 / t.job_ms;
  vx::bench::PrintAgainstGoal({vx::bench::Format("%.0f pages/s", kGoalPagesPerSecond),
                               pages_per_second >= kGoalPagesPerSecond},
                              "%-22s %6.1f pages/s  job %7.1f ms  PrintPage %5.1f %% of it  "
                              "= %5.2f x a job of %d blank pages (%.1f ms)",
                              target, pages_per_second, t.job_ms, 100.0 * t.drawing_ms / t.job_ms,
                              t.job_ms / blank_ms, kPages, blank_ms);
  if (!output.empty()) {
    std::printf("%-22s %lld bytes written\n", "",
                static_cast<long long>(vx::fs::FileLength(output)));
  }
}

}  // namespace

int main() {
  using namespace vx;
  bench::PrepareProgram();
  const std::wstring file = ProgramFolder + L"printbench.bin";
  bench::MakeFile(file, static_cast<size_t>(kPages) * kPageBytes);
  MainWindow form;
  bench::StartMainWindow(form, file);

  SystemPrinter system;
  std::printf("100 pages of a 51200-byte file, from the print window:\n");
  Run("default printer", system, form);
  const std::wstring postscript = ProgramFolder + L"printbench.ps";
  SystemPrinter to_file(postscript);
  Run("PostScript file", to_file, form, postscript);

  form.Unload();
  bench::RemoveScratch(ProgramFolder);
  return 0;
}
