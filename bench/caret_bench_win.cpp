// A caret step from the key message to the page and labels redrawn, and the
// program's private memory with a file at the size limit: the file is never
// loaded, so a 2 GB file must cost what a 1 KB file costs.
#include <windows.h>

#include <cstdio>

#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/view/main_window_win.h"
#include "bench/bench_support_win.h"
#include "common/file_seam.h"
#include "tests/app/main_window_test_view_win.h"

namespace {

using vx::bench::NowMs;

double CaretStepMs(vx::MainWindow& form, int rounds) {
  HWND page = vx::MainWindowTestView(form).page_view().hwnd();
  const double start = NowMs();
  for (int i = 0; i < rounds; ++i) {
    const WPARAM key = (i / 200) % 2 == 0 ? VK_DOWN : VK_UP;
    SendMessageW(page, WM_KEYDOWN, key, 1);
  }
  return (NowMs() - start) / rounds;
}

void MakeSparse(const std::wstring& name, int64_t size) {
  vx::fs::File f = vx::fs::OpenFile(name, true, vx::fs::Share::ReadWrite);
  f.SetLength(size);
}

}  // namespace

int main() {
  using namespace vx;
  bench::PrepareProgram();
  const std::wstring small = ProgramFolder + L"small.bin";
  const std::wstring large = ProgramFolder + L"large.bin";
  bench::MakeFile(small, 1 << 20);

  MainWindow form;
  bench::StartMainWindow(form, small);
  constexpr int kRounds = 400;
  CaretStepMs(form, 20);
  const double bare = bench::BareReadMs(small, 513, kRounds);
  const double step = CaretStepMs(form, kRounds);
  // With the data inspector shown beside: in turns with the bare step, so
  // that a busy moment of the machine weighs on both alike. Its rows follow
  // once no message waits, after the step: what is weighed here is the step.
  double without_inspector = 0;
  double with_inspector = 0;
  for (int turn = 0; turn < 4; ++turn) {
    MainWindowTestView(form).ShowInspector(false);
    without_inspector += CaretStepMs(form, kRounds / 4);
    MainWindowTestView(form).ShowInspector(true);
    with_inspector += CaretStepMs(form, kRounds / 4);
  }
  MainWindowTestView(form).ShowInspector(false);
  std::printf("bare open/read/close, 513 bytes:   %8.3f ms\n", bare);
  bench::PrintAgainstGoal({"5 ms", step <= 5},
                          "caret step (key to page+labels):   %8.3f ms  = %6.1f x bare", step,
                          step / bare);
  bench::PrintAgainstGoal({"1.2 x without", with_inspector <= 1.2 * without_inspector},
                          "caret step, inspector shown:       %8.3f ms  = %6.2f x without",
                          with_inspector / 4, with_inspector / without_inspector);

  bench::MakeFile(small, 1024);
  MainWindowTestView(form).OpenFile(small);
  CaretStepMs(form, 50);
  const double with_small = bench::PrivateMegabytes();
  MakeSparse(large, 2147483646);
  MainWindowTestView(form).OpenFile(large);
  MainWindowTestView(form).GoTo(2147483645);
  CaretStepMs(form, 50);
  const double with_large = bench::PrivateMegabytes();
  std::printf("private memory, 1 KB file:         %8.2f MB\n", with_small);
  bench::PrintAgainstGoal({"within 2 MB", with_large - with_small <= 2, bench::Verdict::Always,
                           bench::Format("+%.2f MB; ", with_large - with_small)},
                          "private memory, 2,147,483,646 B:   %8.2f MB", with_large);

  form.Unload();
  bench::RemoveScratch(ProgramFolder);
  return 0;
}
