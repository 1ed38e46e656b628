// How long one page redraw takes (open, read, close, compose, draw, blit and
// the 4-byte status read), against a bare open/read/close of the same bytes.
#include <windows.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/view/dump_page.h"
#include "app/view/form1_win.h"
#include "common/file_seam.h"
#include "common/message_box.h"

namespace {

double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::wstring ScratchFolder() {
  wchar_t temp[MAX_PATH + 1];
  GetTempPathW(MAX_PATH + 1, temp);
  std::wstring folder = std::wstring(temp) + L"vxbench-" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder + L"\\";
}

void MakeFile(const std::wstring& name, size_t size) {
  std::vector<uint8_t> bytes(size);
  std::mt19937 random(7);
  for (auto& b : bytes) b = static_cast<uint8_t>(random());
  vx::fs::File f = vx::fs::OpenFile(name, true, vx::fs::Share::ReadWrite);
  f.WriteAt(0, bytes.data(), static_cast<int64_t>(bytes.size()));
}

// Milliseconds per bare open/read/close of `count` bytes.
double BareReadMs(const std::wstring& name, int32_t count, int rounds) {
  std::vector<uint8_t> buffer(static_cast<size_t>(count));
  const double start = NowMs();
  for (int i = 0; i < rounds; ++i) {
    vx::fs::File f = vx::fs::OpenFile(name, true, vx::fs::Share::ReadWrite);
    f.ReadAt(static_cast<int64_t>(i % 64) * count, buffer.data(), count);
    f.Close();
  }
  return (NowMs() - start) / rounds;
}

// Milliseconds per RePaint, scrolling a line each time as a held arrow key does.
double RePaintMs(vx::Form1& form, int rounds) {
  const double start = NowMs();
  for (int i = 0; i < rounds; ++i) {
    form.VscrollEx1.SetValue(i % 64);
    form.RePaint();
  }
  return (NowMs() - start) / rounds;
}

void Report(const char* what, double ms, double baseline_ms, double goal_ms) {
  std::printf("%-34s %8.3f ms  = %6.1f x bare open/read/close  (goal %.0f ms: %s)\n", what, ms,
              ms / baseline_ms, goal_ms, ms <= goal_ms ? "met" : "MISSED");
}

}  // namespace

int main() {
  using namespace vx;
  SetAppTitle(L"Vantelox");
  SetMessageHandler([](const MessageRequest& r) {
    std::fwprintf(stderr, L"message: %ls\n", r.text.c_str());
    return MsgAnswer::Ok;
  });
  ProgramFolder = ScratchFolder();
  SetDefaultSettings();
  const std::wstring file = ProgramFolder + L"bench.bin";
  MakeFile(file, 1 << 20);
  StartFile = file;

  Form1 form;
  form.Form_Load();
  form.Show(SW_SHOWNORMAL);
  constexpr int kRounds = 400;
  RePaintMs(form, 20);  // warm up fonts and caches

  const double bare_default = BareReadMs(file, PageByteCount(DisplaySettings), kRounds);
  const double paint_default = RePaintMs(form, kRounds);

  DisplaySettings.BytesPerLine = 48;
  DisplaySettings.LinesPerPage = 96;
  form.SettingChange();
  form.RefreshFiles();
  RePaintMs(form, 20);
  const double bare_large = BareReadMs(file, PageByteCount(DisplaySettings), kRounds);
  const double paint_large = RePaintMs(form, kRounds);

  std::printf("bare open/read/close, 513 bytes:   %8.3f ms\n", bare_default);
  Report("RePaint 16 x 32", paint_default, bare_default, 4);
  std::printf("bare open/read/close, 4609 bytes:  %8.3f ms\n", bare_large);
  Report("RePaint 48 x 96", paint_large, bare_large, 16);

  form.Unload();
  DeleteFileW(file.c_str());
  DeleteFileW((ProgramFolder + L"VXSetting\\Setting.dat").c_str());
  RemoveDirectoryW((ProgramFolder + L"VXSetting").c_str());
  RemoveDirectoryW(ProgramFolder.substr(0, ProgramFolder.size() - 1).c_str());
  return 0;
}
