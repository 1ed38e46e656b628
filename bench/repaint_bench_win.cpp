// How long one page redraw takes (open, read, close, compose, draw, blit and
// the 4-byte status read), against a bare open/read/close of the same bytes.
#include <windows.h>

#include <cstdio>

#include "app/page/dump_page.h"
#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/view/main_window_win.h"
#include "bench/bench_support_win.h"
#include "tests/app/main_window_test_view_win.h"

namespace {

using vx::bench::NowMs;

// Milliseconds per page redraw, scrolling a line each time as a held arrow key does.
double RedrawMs(vx::MainWindow& form, int rounds) {
  const double start = NowMs();
  vx::MainWindowTestView view(form);
  for (int i = 0; i < rounds; ++i) {
    view.ScrollTo(i % 64);
  }
  return (NowMs() - start) / rounds;
}

void Report(const char* what, double ms, double baseline_ms, double goal_ms) {
  vx::bench::PrintAgainstGoal({vx::bench::Format("%.0f ms", goal_ms), ms <= goal_ms},
                              "%-34s %8.3f ms  = %6.1f x bare open/read/close", what, ms,
                              ms / baseline_ms);
}

}  // namespace

int main() {
  using namespace vx;
  bench::PrepareProgram();
  const std::wstring file = ProgramFolder + L"bench.bin";
  bench::MakeFile(file, 1 << 20);

  MainWindow form;
  bench::StartMainWindow(form, file);
  constexpr int kRounds = 400;
  RedrawMs(form, 20);  // warm up fonts and caches

  const double bare_default = bench::BareReadMs(file, PageByteCount(DisplaySettings), kRounds);
  const double paint_default = RedrawMs(form, kRounds);

  DisplaySettings.BytesPerLine = 48;
  DisplaySettings.LinesPerPage = 96;
  MainWindowTestView(form).ApplySettings();
  MainWindowTestView(form).RefreshScrollRange();
  RedrawMs(form, 20);
  // The page as drawn: the screen may limit the saved shape.
  const double bare_large =
      bench::BareReadMs(file, PageByteCount(MainWindowTestView(form).page_settings()), kRounds);
  const double paint_large = RedrawMs(form, kRounds);

  std::printf("bare open/read/close, 513 bytes:   %8.3f ms\n", bare_default);
  Report("Redraw 16 x 32", paint_default, bare_default, 4);
  std::printf("bare open/read/close, 4609 bytes:  %8.3f ms\n", bare_large);
  Report("Redraw 48 x 96", paint_large, bare_large, 16);

  form.Unload();
  bench::RemoveScratch(ProgramFolder);
  return 0;
}
