// How long one page redraw takes (open, read, close, compose, draw, blit and
// the 4-byte status read), against a bare open/read/close of the same bytes.
#include <windows.h>

#include <cstdio>

#include "app/page/dump_page.h"
#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/settings/view_settings.h"
#include "app/view/main_window_win.h"
#include "bench/bench_support_win.h"
#include "common/file_seam.h"
#include "common/text_encoding.h"
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

// A file of `size` bytes of Japanese and English text in `encoding`.
void MakeTextFile(const std::wstring& name, vx::TextEncoding encoding, size_t size) {
  const std::string line =
      *vx::EncodeText(L"データの中身: 日本語と English text, 12345 ですね。\r\n", encoding);
  std::string text;
  while (text.size() < size) text += line;
  vx::fs::File file = vx::fs::OpenFile(name, true, vx::fs::Share::ReadWrite);
  file.WriteAt(0, text.data(), static_cast<int64_t>(size));
}

// Redraws of a text file in `encoding`, read in that encoding.
double TextRedrawMs(vx::MainWindow& form, const std::wstring& file, vx::TextEncoding encoding,
                    int rounds) {
  vx::ViewOptions.text_encoding = static_cast<int32_t>(encoding);
  vx::MainWindowTestView(form).OpenFile(file);
  RedrawMs(form, 20);
  return RedrawMs(form, rounds);
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

  // The same text in Shift-JIS and in UTF-8, each read as what it is; taken
  // in turns, so that a busy moment weighs on both alike.
  const std::wstring shift_jis_file = ProgramFolder + L"shift_jis.txt";
  const std::wstring utf8_file = ProgramFolder + L"utf8.txt";
  MakeTextFile(shift_jis_file, TextEncoding::ShiftJis, 1 << 16);
  MakeTextFile(utf8_file, TextEncoding::Utf8, 1 << 16);
  double shift_jis_ms = 0;
  double utf8_ms = 0;
  for (int turn = 0; turn < 4; ++turn) {
    shift_jis_ms += TextRedrawMs(form, shift_jis_file, TextEncoding::ShiftJis, kRounds / 4);
    utf8_ms += TextRedrawMs(form, utf8_file, TextEncoding::Utf8, kRounds / 4);
  }
  ViewOptions.text_encoding = 0;
  MainWindowTestView(form).OpenFile(file);

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
  std::printf("Redraw of Shift-JIS text, 16 x 32: %8.3f ms\n", shift_jis_ms / 4);
  bench::PrintAgainstGoal({"1.2 x Shift-JIS", utf8_ms <= 1.2 * shift_jis_ms},
                          "Redraw of UTF-8 text, 16 x 32:     %8.3f ms  = %6.2f x Shift-JIS",
                          utf8_ms / 4, utf8_ms / shift_jis_ms);

  form.Unload();
  bench::RemoveScratch(ProgramFolder);
  return 0;
}
