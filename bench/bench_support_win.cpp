#include "bench/bench_support_win.h"

#include <windows.h>
// after windows.h, which it needs
#include <psapi.h>

#include <cstdarg>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "app/disk/move_record.h"
#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/view/main_window_win.h"
#include "common/file_seam.h"
#include "common/message_box.h"

namespace vx::bench {

double NowMs() {
  static const LARGE_INTEGER frequency = [] {
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

void RemoveScratch(const std::wstring& folder) {
  const std::wstring settings = folder + L"VXSetting\\";
  for (const auto& e : fs::ListFolder(settings)) fs::RemoveFile(settings + e.name);
  fs::RemoveFolder(folder + L"VXSetting");
  for (const auto& e : fs::ListFolder(folder)) fs::RemoveFile(folder + e.name);
  fs::RemoveFolder(folder.substr(0, folder.size() - 1));
}

void MakeFile(const std::wstring& name, size_t size) {
  std::vector<uint8_t> bytes(size);
  std::mt19937 random(7);
  for (auto& b : bytes) b = static_cast<uint8_t>(random());
  fs::File f = fs::OpenFile(name, true, fs::Share::ReadWrite);
  f.WriteAt(0, bytes.data(), static_cast<int64_t>(bytes.size()));
}

void MakeLargeFile(const std::wstring& name, int64_t size) {
  std::vector<uint64_t> piece(static_cast<size_t>(128 * 1024 / 8));
  uint64_t state = 0x9E3779B97F4A7C15u;
  fs::File f = fs::OpenFile(name, true, fs::Share::ReadWrite);
  const int64_t piece_bytes = static_cast<int64_t>(piece.size() * 8);
  for (int64_t at = 0; at < size; at += piece_bytes) {
    for (uint64_t& word : piece) {  // xorshift64: no two pages alike
      state ^= state << 13;
      state ^= state >> 7;
      state ^= state << 17;
      word = state;
    }
    f.WriteAt(at, piece.data(), std::min(piece_bytes, size - at));
  }
}

double BareMoveMs(const std::wstring& name, int64_t step) {
  fs::File f = fs::OpenFile(name, false, fs::Share::Read);
  std::vector<uint8_t> block(static_cast<size_t>(kMoveBlockSize));
  const double start = NowMs();
  for (int64_t end = f.Length(); end > 0; end -= kMoveBlockSize) {
    const int64_t at = std::max<int64_t>(0, end - kMoveBlockSize);
    f.ReadAt(at, block.data(), end - at);
    f.WriteAt(at + step, block.data(), end - at);
  }
  return NowMs() - start;
}

double BareReadMs(const std::wstring& name, int32_t count, int rounds) {
  std::vector<uint8_t> buffer(static_cast<size_t>(count));
  const double start = NowMs();
  for (int i = 0; i < rounds; ++i) {
    fs::File f = fs::OpenFile(name, true, fs::Share::ReadWrite);
    f.ReadAt(static_cast<int64_t>(i % 64) * count, buffer.data(), count);
    f.Close();
  }
  return (NowMs() - start) / rounds;
}

double PrivateMegabytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof counters);
  // Wine leaves PrivateUsage at 0; PagefileUsage counts the same committed bytes.
  const SIZE_T bytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
  return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

void SilenceMessages() {
  SetAppTitle(L"Vantelox");
  SetMessageHandler([](const MessageRequest& r) {
    std::fwprintf(stderr, L"message: %ls\n", r.text.c_str());
    return MsgAnswer::Ok;
  });
}

namespace {

std::string FormatList(const char* format, va_list args) {
  va_list measure;
  va_copy(measure, args);
  const int n = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  std::string text(static_cast<size_t>(n > 0 ? n : 0) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), format, args);
  text.pop_back();
  return text;
}

}  // namespace

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = FormatList(format, args);
  va_end(args);
  return text;
}

void PrintAgainstGoal(const Goal& goal, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string figure = FormatList(format, args);
  va_end(args);
  if (goal.verdict == Verdict::Always) {
    std::printf("%s  (%sgoal %s: %s)\n", figure.c_str(), goal.aside.c_str(), goal.text.c_str(),
                goal.met ? "met" : "MISSED");
  } else {
    std::printf("%s  (%sgoal %s)%s\n", figure.c_str(), goal.aside.c_str(), goal.text.c_str(),
                goal.met ? "" : "  MISSED");
  }
}

void PrepareProgram() {
  SilenceMessages();
  ProgramFolder = ScratchFolder();
  SetDefaultSettings();
}

void StartMainWindow(MainWindow& form, const std::wstring& file) {
  StartFile = file;
  form.Create();
  form.Show(SW_SHOWNORMAL);
}

std::wstring StartOnNewFile(MainWindow& form, size_t size) {
  PrepareProgram();
  const std::wstring file = ProgramFolder + L"bench.bin";
  MakeFile(file, size);
  StartMainWindow(form, file);
  return file;
}

}  // namespace vx::bench
